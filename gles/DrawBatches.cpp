#include "gles/DrawBatches.h"

namespace gles {

void DrawBatches::add(const DrawState& state, std::span<const Vertex> vertices,
                      std::span<const std::uint32_t> indices) {
    if (indices.empty()) return;
    const auto base = std::uint32_t(vertices_.size());
    vertices_.insert(vertices_.end(), vertices.begin(), vertices.end());
    if (batches_.empty() || !(batches_.back().state == state))
        batches_.push_back({state, std::uint32_t(indices_.size()), 0});
    for (const std::uint32_t index : indices) indices_.push_back(base + index);
    batches_.back().indexCount += std::uint32_t(indices.size());
}

void DrawBatches::clear() {
    vertices_.clear();
    indices_.clear();
    batches_.clear();
}

} // namespace gles
