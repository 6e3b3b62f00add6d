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
}

TEST(Renderer, SmoothingWayAndDefaultFollowTheRendererAndTheViewSize) {
    const char* hardware = "AMD Radeon RX 6600";
    const char* software = "llvmpipe (LLVM 15.0.6, 256 bits)";
    EXPECT_EQ(smoothingWayFor(hardware), SmoothingWay::Multisampling);
    EXPECT_EQ(smoothingWayFor(software), SmoothingWay::EdgeFilter);
    constexpr auto msaa = SmoothingWay::Multisampling, filter = SmoothingWay::EdgeFilter;
    for (const auto& [width, height] : {std::pair{800, 600}, {1280, 1002}, {3840, 2138}})
        EXPECT_TRUE(smoothEdgesByDefault(hardware, msaa, width, height)) << width << "x" << height;
    EXPECT_TRUE(smoothEdgesByDefault(software, filter, 0, 0)) << "before the view has a size";
    EXPECT_TRUE(smoothEdgesByDefault(software, filter, 1280, 1002));
    EXPECT_FALSE(smoothEdgesByDefault(software, filter, 1920, 1058))
        << "beyond the filter's 60 fps";
    EXPECT_FALSE(smoothEdgesByDefault(software, filter, 3840, 2138));
    EXPECT_FALSE(smoothEdgesByDefault(software, msaa, 800, 600)) << "too dear there";
    EXPECT_FALSE(smoothEdgesByDefault(hardware, SmoothingWay::Off, 800, 600)) << "cannot smooth";
}
