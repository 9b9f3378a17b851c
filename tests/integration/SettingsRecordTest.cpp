// The record a settings job carries, read back from a real scheduler's history after the
// scheduler has removed the document.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <string>

#include "platform/CupsPrinterSystem.h"
#include "platform/ModelPrinter.h"
#include "platform/SettingsJob.h"
#include "settings/FactoryImage.h"
#include "tests/support/PrivateCupsd.h"

using namespace platform;
using testing_support::PrivateCupsd;

namespace {

TEST(SettingsRecordTest, HistoryKeepsFileNameAndDigestOnceTheDocumentIsGone) {
    BMK_REQUIRE_PRIVATE_CUPSD();
    PrivateCupsd cupsd;
    ASSERT_TRUE(cupsd.start({"PreserveJobFiles No"})) << cupsd.lastError().toStdString();
    ASSERT_TRUE(cupsd.addQueue("Quill", "file:/dev/null", PrivateCupsd::modelPpd()));
    CupsPrinterSystem system;
    const settings::SettingsImage& image = settings::FactoryImage();
    const std::span<const std::uint8_t> bytes(image.data(), image.size());
    const std::string longName = "/srv/" + std::string(300, 'x') + "/f\xC3\xA4llt.dat";

    struct Row {
        std::string given;
        std::optional<std::string> kept;
    };
    const Row rows[] = {
        {"/home/kim/office.dat", "/home/kim/office.dat"},
        {"", std::nullopt},  // never saved
        {longName, longName.substr(longName.size() - 255)},
    };
    std::size_t completed = 0;
    for (const Row& row : rows) {
        const JobSubmission sent = SendSettingsJob(system, "Quill", bytes, row.given);
        ASSERT_TRUE(sent.accepted()) << sent.failure;
        ASSERT_TRUE(cupsd.waitForCompletedJobs("Quill", ++completed, 30000));
        const auto history = system.jobHistory();
        ASSERT_TRUE(history);
        const auto job = std::find_if(history->begin(), history->end(),
                                      [&](const HistoryJob& j) { return j.id == sent.jobId; });
        ASSERT_NE(job, history->end());
        EXPECT_EQ(job->title, kStatusWriteTitle);
        EXPECT_EQ(job->state, JobState::Completed);
        EXPECT_GT(job->completed, 0);
        EXPECT_EQ(job->document, row.kept) << row.given;
        EXPECT_EQ(TrustedDigest(*job), SettingsDigest(bytes));
    }
    // No document left in the spool: the record came from the job's attributes alone.
    const QDir spool(QFileInfo(cupsd.socketPath()).dir().filePath(QStringLiteral("spool")));
    EXPECT_EQ(spool.entryList({QStringLiteral("d*")}, QDir::Files), QStringList());
}

}  // namespace
