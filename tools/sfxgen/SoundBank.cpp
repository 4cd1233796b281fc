#include "SoundBank.h"

#include "Master.h"

namespace tolvex::sfx {

std::vector<SoundRecipe> allRecipes(const Speech& speech) {
  std::vector<SoundRecipe> all;
  for (auto family :
       {laserRecipes(), explosionRecipes(), eventRecipes(), alarmRecipes(), announcerRecipes(speech)}) {
    all.insert(all.end(), family.begin(), family.end());
  }
  return all;
}

WavData render(const SoundRecipe& recipe) {
  Signal signal = recipe.make();
  if (!recipe.loops) {
    trimSilence(signal, 0.002);  // echo and room tails below -54 dB only cost bytes
    removeDc(signal);
    fadeEdges(signal, 0.0005, 0.01);
  }
  normalise(signal);
  return {kSampleRate, 1, toPcm16(signal)};
}

}  // namespace tolvex::sfx
