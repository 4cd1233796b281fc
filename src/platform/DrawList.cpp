#include "platform/DrawList.h"

#include "platform/DrawBands.h"

namespace tolvex {

void DrawList::Clear() {
  records_.clear();
  vertices_.clear();
  indices_.clear();
  rects_.clear();
}

void DrawList::AddGeometry(DrawRecord record, std::span<const SDL_Vertex> vertices, std::span<const int> indices) {
  record.first = static_cast<int>(vertices_.size());
  record.count = static_cast<int>(vertices.size());
  record.firstIndex = static_cast<int>(indices_.size());
  record.indexCount = static_cast<int>(indices.size());
  vertices_.insert(vertices_.end(), vertices.begin(), vertices.end());
  indices_.insert(indices_.end(), indices.begin(), indices.end());
  records_.push_back(record);
}

void DrawList::AddRects(DrawRecord record, std::span<const SDL_FRect> rects) {
  record.first = static_cast<int>(rects_.size());
  record.count = static_cast<int>(rects.size());
  rects_.insert(rects_.end(), rects.begin(), rects.end());
  records_.push_back(record);
}

void DrawList::Replay(SDL_Renderer* renderer) const {
  const std::span<const SDL_Vertex> vertices(vertices_);
  const std::span<const int> indices(indices_);
  const std::span<const SDL_FRect> rects(rects_);
  for (const DrawRecord& record : records_) {
    DrawData data;
    if (record.kind == DrawRecord::Kind::Geometry) {
      data.vertices = vertices.subspan(static_cast<std::size_t>(record.first), static_cast<std::size_t>(record.count));
      data.indices = indices.subspan(static_cast<std::size_t>(record.firstIndex),
                                     static_cast<std::size_t>(record.indexCount));
    } else if (record.kind == DrawRecord::Kind::FillRects) {
      data.rects = rects.subspan(static_cast<std::size_t>(record.first), static_cast<std::size_t>(record.count));
    }
    if (!KeepForBands(renderer, record, data)) IssueDraw(renderer, record, data);
  }
  DrawKeptCalls();
}

}  // namespace tolvex
