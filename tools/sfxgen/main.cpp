// Writes every sound effect of the game into a folder:
//   tolvex_sfxgen OUTPUT_DIR [ESPEAK_NG_PATH]
// Without a speech engine path the announcer lines are synthesised stings.
#include <filesystem>
#include <iostream>

#include "SoundBank.h"

int main(int argc, char** argv) {
  using namespace tolvex::sfx;
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: " << argv[0] << " OUTPUT_DIR [ESPEAK_NG_PATH]\n";
    return 2;
  }
  const std::filesystem::path outDir = argv[1];
  std::filesystem::create_directories(outDir);
  const Speech speech(argc == 3 ? argv[2] : "");
  int failures = 0;
  for (const SoundRecipe& recipe : allRecipes(speech)) {
    if (!writeWav(outDir / recipe.fileName, render(recipe))) {
      std::cerr << "cannot write " << (outDir / recipe.fileName) << "\n";
      ++failures;
    }
  }
  if (!speech.available()) std::cout << "espeak-ng not found: announcer lines are synthesised stings\n";
  return failures == 0 ? 0 : 1;
}
