#pragma once

#include "graphics/codecs/ImageCodec.h"
#include "graphics/paint/PaintDevice.h"

#include <gtest/gtest.h>

namespace testsupport {

// Windows tests that decode pictures and paint through GDI: the codecs and
// the default paint device, as the UI application starts them, once for the
// whole suite.
class GdiTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ImageCodec::registerAll();
        PaintDevice::createDefault();
    }
    // The codecs stay: the UI application, which other tests of the same
    // program start, keeps using them.
    static void TearDownTestSuite() { PaintDevice::destroyAll(); }
};

} // namespace testsupport
