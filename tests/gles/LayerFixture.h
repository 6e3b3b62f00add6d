// What the layer's tests share: the layer started on the recording of ES calls, with what it
// reports collected, and small readers of the recorded draws.
#pragma once

#include "RecordingEs.h"
#include "gles/Layer.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

class LayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        esdouble::resetRecording();
        ASSERT_TRUE(start());
    }
    void TearDown() override {
        gles::StopLayer();
        EXPECT_TRUE(esdouble::es().errors.empty()) << esdouble::es().errors.front();
    }

    bool start() {
        reports.clear();
        return gles::StartLayer(esdouble::recordingProcAddress,
                                [this](const std::string& message) { reports.push_back(message); });
    }
    // The draws of everything since the last check: flushes, then hands them over.
    std::vector<esdouble::Draw> drawn() {
        glFlush();
        auto draws = std::move(esdouble::es().draws);
        esdouble::es().draws.clear();
        return draws;
    }

    std::vector<std::string> reports;
};

// One quad in the plane z = 0 with its lower left corner at (x, y), in the current colour.
inline void unitQuad(float x, float y) {
    glBegin(GL_QUADS);
    glVertex3f(x, y, 0);
    glVertex3f(x + 1, y, 0);
    glVertex3f(x + 1, y + 1, 0);
    glVertex3f(x, y + 1, 0);
    glEnd();
}
