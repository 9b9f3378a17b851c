// The settings job, on the in-memory spooler.
#include <gtest/gtest.h>

#include "platform/ModelPrinter.h"
#include "platform/SettingsJob.h"
#include "settings/SettingsImage.h"
#include "tests/support/InMemoryPrinterSystem.h"

using namespace platform;
using settings::SettingsImage;
using testing_support::InMemoryPrinterSystem;

namespace {

SettingsImage DistinctImage() {
    // Distinct bytes, so a lost, repeated or reordered byte shows.
    SettingsImage image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 37 + 0x1C);
    }
    return image;
}

class SettingsJobTest : public ::testing::Test {
protected:
    InMemoryPrinterSystem m_system{
        {{.name = "Quill", .device = "usb://ORV/540", .makeAndModel = "ORV Quillstrike 540QZ7"}}};
    SettingsImage m_image = DistinctImage();
};

TEST_F(SettingsJobTest, TheWholeImageIsOneRawStatusWriteJob) {
    const JobSubmission sent = SendSettingsJob(m_system, "Quill", {m_image.data(), m_image.size()});
    EXPECT_TRUE(sent.accepted());
    EXPECT_EQ(m_system.calls(), std::vector<std::string>{"SendRawJob(Quill, Brindlemark Status Write, 190)"});
    ASSERT_EQ(m_system.documents().size(), 1u);
    EXPECT_EQ(m_system.documents()[0].jobId, sent.jobId);
    EXPECT_EQ(m_system.documents()[0].title, "Brindlemark Status Write");
    EXPECT_EQ(m_system.documents()[0].bytes, std::vector<std::uint8_t>(m_image.data(), m_image.data() + 190));
}

TEST_F(SettingsJobTest, ARefusalComesBackWithTheSpoolersReason) {
    m_system.printer("Quill")->shortWrite = 189;
    const JobSubmission sent = SendSettingsJob(m_system, "Quill", {m_image.data(), m_image.size()});
    EXPECT_FALSE(sent.accepted());
    EXPECT_EQ(sent.failure, "document cut short");
    EXPECT_TRUE(m_system.documents().empty());
}

}  // namespace
