// Smoothing of stair-stepped edges in a finished frame, on the processor. Where the brightness
// jumps between neighbouring pixels, the edge's direction and the run of pixels it steps along
// are found, and each pixel on it is mixed with its neighbour across the edge by how far the
// edge passes from the pixel's centre. A software renderer thus draws the frame once, sharp,
// and the smoothing costs a few passes over its pixels instead of fourfold fill and a resolve.
// Plain C++ on pixel memory: no GL, no Qt.
#pragma once

#include <cstdint>
#include <vector>

class EdgeSmoother {
  public:
    // The changed pixels are reported by blocks of this many pixels square.
    static constexpr int blockSize = 16;

    // Smooths `pixels`, `width` x `height` of 0xAARRGGBB (GL_BGRA bytes on a little-endian
    // machine, QImage's RGB32), one row after the other, in place; the order of the rows does
    // not matter. The work is shared between `threads` threads (at least one). Returns one flag
    // per block, row by row, set where a pixel of the block changed.
    const std::vector<std::uint8_t>& smooth(std::uint32_t* pixels, int width, int height,
                                            int threads = 1);
    // Blocks per row of the last smoothed picture.
    int blockColumns() const { return columns; }

  private:
    struct Change {
        std::uint32_t index;
        std::uint32_t colour;
    };
    void computeLuma(const std::uint32_t* pixels, int firstRow, int endRow);
    // Marks the blocks of its rows, which no other thread shares.
    void findChanges(const std::uint32_t* pixels, int firstRow, int endRow,
                     std::vector<Change>& changes);

    int width = 0;
    int height = 0;
    int columns = 0;
    std::vector<std::uint8_t> luma;             // brightness of every pixel, 0 .. 255
    std::vector<std::vector<Change>> changesOf; // one list per thread
    std::vector<std::uint8_t> changedBlocks;
};

// The same on a picture held in one buffer, with one thread.
void smoothEdges(std::uint32_t* pixels, int width, int height);
