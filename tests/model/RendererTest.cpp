// Telling software renderers from hardware ones by their GL_RENDERER names.
#include "app/frame/Renderer.h"

#include <gtest/gtest.h>

TEST(Renderer, SoftwareRasterisersAreToldByName) {
    for (const char* software :
         {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "Software Rasterizer", "Mesa X11 swrast",
          "Google SwiftShader", "LLVMPIPE", ""})
        EXPECT_TRUE(isSoftwareRenderer(software)) << software;
    for (const char* hardware :
         {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "AMD Radeon RX 6600 (radeonsi, navi23)",
          "NVIDIA GeForce RTX 3060/PCIe/SSE2", "Apple M1", "virgl (Intel UHD)"})
        EXPECT_FALSE(isSoftwareRenderer(hardware)) << hardware;
    EXPECT_TRUE(smoothEdgesByDefault("AMD Radeon RX 6600"));
    EXPECT_FALSE(smoothEdgesByDefault("llvmpipe (LLVM 15.0.6, 256 bits)"));
}
