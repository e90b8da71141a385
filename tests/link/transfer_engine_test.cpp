// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer against the in-process simulated radio, in virtual time.

#include "link_fixture.h"

#include "image/memory_map.h"
#include "link/frames.h"
#include "link/link_texts.h"

using namespace radiolink;
using namespace testing_support;

namespace {

const QString kRetryQuestion = QStringLiteral("retry:") + text::kCheckConnection;

TEST_F(LinkTest, ReadExchangeIsByteAndPauseExact) {
    ASSERT_TRUE(run(Direction::Read).success());
    const QStringList expected{
        "open SIMULATOR", "buffers 1024 512", "line", "timeouts 50 50+50n",
        // handshake: a purge without the pause
        "purge", "write 50 52 4f 47 52 41 4d", "read 7", "read 3",
        "sleep 5", "purge", "write 02", "read 1", "read 16",
        "sleep 5", "purge", "write 52 01 40 10", "read 4", "read 22",
        "sleep 5", "purge", "write 52 00 10 10", "read 4", "wait 20", "read 22",
    };
    EXPECT_EQ(log.mid(0, expected.size()), expected);
    // ... and ends with "END" and its read-back, without a pause or purge.
    EXPECT_EQ(log.mid(log.size() - 3), (QStringList{"write 45 4e 44", "read 4", "close"}));
}

TEST_F(LinkTest, WriteExchangeIsByteAndPauseExact) {
    ASSERT_TRUE(run(Direction::Write).success());
    const QString zeroFrame = QStringLiteral("write 57 01 00 10 ") + QStringLiteral("00 ").repeated(16) + "11 06";
    const QStringList expected{"sleep 5", "purge", zeroFrame, "read 22", "read 1"};
    const qsizetype first = log.indexOf(zeroFrame);
    ASSERT_GT(first, 0);
    EXPECT_EQ(log.mid(first - 2, 5), expected);
    EXPECT_EQ(log.mid(log.size() - 3), (QStringList{"write 45 4e 44", "read 4", "close"}));
}

TEST_F(LinkTest, ReadFillsImageFrom0010AndLeavesFirstSixteenBytes) {
    fillRandom(radio.memory(), 1);
    state.image.fill(0, 0x4000, 0xA5);
    ASSERT_EQ(run(Direction::Read).result, TransferResult::Completed);

    EXPECT_TRUE(state.image.allBytesAre(0x0000, 0x10, 0xA5));
    const auto got = state.image.bytes(0x0010, 0x4000 - 0x10);
    const auto want = radio.memory().bytes(0x0010, 0x4000 - 0x10);
    EXPECT_TRUE(std::equal(got.begin(), got.end(), want.begin()));

    std::vector<int> expectedAddresses{0x0140};
    for (int a = 0x0010; a <= 0x3FF0; a += 16) expectedAddresses.push_back(a);
    EXPECT_EQ(blockAddresses(radio.received(), 'R'), expectedAddresses);
    EXPECT_EQ(prompts.log, QStringList{"message:" + text::kReadCompleted});
    EXPECT_FALSE(state.transfer.running);
}

TEST_F(LinkTest, WriteSendsFrom0100OnlyAndRadioTakesEveryBlock) {
    fillRandom(state.image, 2);
    radio.memory().fill(0, 0x4000, 0x5A);
    state.image.setU8(image::map::kRadioState, 0);
    ASSERT_EQ(run(Direction::Write).result, TransferResult::Completed);

    EXPECT_TRUE(radio.memory().allBytesAre(0x0000, 0x100, 0x5A));
    const auto sent = state.image.bytes(0x0100, 0x3F00);
    const auto stored = radio.memory().bytes(0x0100, 0x3F00);
    EXPECT_TRUE(std::equal(sent.begin(), sent.end(), stored.begin()));

    const std::vector<int> written = blockAddresses(radio.received(), 'W');
    ASSERT_EQ(written.size(), 1008u);
    EXPECT_EQ(written.front(), 0x0100);
    EXPECT_EQ(written.back(), 0x3FF0);
    EXPECT_EQ(blockAddresses(radio.received(), 'R'), std::vector<int>{0x0140});  // the password probe only
    EXPECT_EQ(prompts.log, QStringList{"message:" + text::kWriteCompleted});
}

TEST_F(LinkTest, ProgressReachesExactlyOneHundredPercentOnLastBlock) {
    for (const Direction direction : {Direction::Read, Direction::Write}) {
        ASSERT_TRUE(run(direction).success());
        const int blocks = progressUpperBound(direction);
        ASSERT_EQ(int(progress.size()), blocks);
        EXPECT_EQ(progress[blocks - 2].percentText, "99%");
        EXPECT_EQ(progress.back().position, blocks);
        EXPECT_EQ(progress.back().upperBound, blocks);
        EXPECT_EQ(progress.back().percentText, "100%");
    }
}

TEST_F(LinkTest, PortThatCannotOpenIsReported) {
    for (const OpenStatus status : {OpenStatus::Absent, OpenStatus::InUse, OpenStatus::NoPermission}) {
        prompts.log.clear();
        port.failOpen(status);
        const TransferOutcome outcome = run(Direction::Read);
        EXPECT_EQ(outcome.result, TransferResult::PortNotOpened);
        EXPECT_EQ(outcome.openStatus, status);
        // The program's own line first, then the port and why.
        ASSERT_EQ(prompts.log.size(), 1);
        EXPECT_TRUE(prompts.log[0].startsWith("message:" + text::kCannotOpenPort + "\n" + state.config.portName + ": " +
                                              radiolink::openStatusText(status)))
            << prompts.log[0].toStdString();
        EXPECT_FALSE(state.transfer.running);
    }
    EXPECT_TRUE(radio.received().isEmpty());
}

TEST_F(LinkTest, SilentRadioIsAskedAboutAfterThreeHandshakes) {
    radio.faults().silent = true;
    prompts.retryAnswers = {true, false};  // Retry once, then Cancel
    EXPECT_EQ(run(Direction::Read).result, TransferResult::NoAnswer);
    // Retry ends the attempt with "END"; Cancel leaves without it.
    const QByteArray program = handshakeFrame();
    EXPECT_EQ(radio.received(), program.repeated(3) + endFrame() + program.repeated(3));
    EXPECT_EQ(prompts.log, (QStringList{kRetryQuestion, kRetryQuestion}));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(LinkTest, GarbledHandshakesAreRetriedUpToThreeAttempts) {
    const struct { int garbled; int questions; } cases[] = {{0, 0}, {1, 0}, {2, 0}, {3, 1}};
    for (const auto& c : cases) {
        prompts.log.clear();
        radio.faults().garbledHandshakes = c.garbled;
        prompts.retryAnswers = {true};
        EXPECT_TRUE(run(Direction::Read).success()) << c.garbled;
        EXPECT_EQ(prompts.count("retry:"), c.questions) << c.garbled;
    }
}

// A broken answer fails at once; a missing one is asked for again after the short window and
// counts as a failure only after a second without a byte (about 18 requests).
TEST_F(LinkTest, ReadBlockAskedAboutAtThirdFailureAndResumesThere) {
    const struct { bool shortAnswer; int failures; int questions; } cases[] = {
        {true, 2, 0}, {true, 3, 1}, {true, 5, 1}, {true, 6, 2}, {false, 3, 0}, {false, 60, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "short " << c.shortAnswer << " failures " << c.failures);
        radio.clearReceived();
        prompts.log.clear();
        fillRandom(radio.memory(), unsigned(c.failures));
        auto& faults = c.shortAnswer ? radio.faults().shortReadAnswers : radio.faults().missingReadAnswers;
        faults[0x0800] = c.failures;
        prompts.retryAnswers = {true, true};

        ASSERT_TRUE(run(Direction::Read).success());
        EXPECT_EQ(prompts.count("retry:"), c.questions);
        EXPECT_TRUE(state.image.bytes(0x0010, 0x3FF0).size() == radio.memory().bytes(0x0010, 0x3FF0).size()
                    && std::ranges::equal(state.image.bytes(0x0010, 0x3FF0), radio.memory().bytes(0x0010, 0x3FF0)));
        // After each restart the next block asked for is the one that failed.
        const std::vector<int> addresses = blockAddresses(radio.received(), 'R');
        EXPECT_EQ(std::count(addresses.begin(), addresses.end(), 0x0800), c.failures + 1);
        EXPECT_EQ(std::count(addresses.begin(), addresses.end(), 0x07F0), 1);
        EXPECT_EQ(progress.back().position, 1023);
        EXPECT_EQ(int(progress.size()), 1023);  // a retried block is counted once
    }
}

// A read that ends early once left the image half from the radio, half from before.
TEST_F(LinkTest, CancelledReadEndsWithoutSuccessAndLeavesTheImageAsItWas) {
    fillRandom(radio.memory(), 3);
    fillRandom(state.image, 4);
    const image::RadioImage before = state.image;
    radio.faults().missingReadAnswers[0x0800] = RadioFaults::kAlways;
    EXPECT_EQ(run(Direction::Read).result, TransferResult::NoAnswer);
    EXPECT_EQ(prompts.log, QStringList{kRetryQuestion});
    EXPECT_TRUE(std::ranges::equal(state.image.all(), before.all()));
    EXPECT_TRUE(radio.received().endsWith(endFrame()));
    EXPECT_FALSE(state.transfer.running);
}

TEST_F(LinkTest, LastBlockFailingIsNeverReportedComplete) {
    for (const Direction direction : {Direction::Read, Direction::Write}) {
        prompts.log.clear();
        radio.faults().missingReadAnswers[0x3FF0] = RadioFaults::kAlways;
        radio.faults().refusedWrites[0x3FF0] = RadioFaults::kAlways;
        prompts.retryAnswers = {true, true};
        EXPECT_EQ(run(direction).result, TransferResult::NoAnswer);
        EXPECT_EQ(prompts.count("retry:"), 3);
        EXPECT_TRUE(prompts.messages.isEmpty());
        EXPECT_EQ(progress.back().position, progressUpperBound(direction) - 1);
    }
}

// The count starts again after every block the radio accepts: three refusals of one frame
// ask, three single refusals spread over the write do not (they once ended a write).
TEST_F(LinkTest, WriteRefusalsOfOneFrameAddUpAndSpreadOnesDoNot) {
    const struct { std::vector<int> refusedBlocks; int questions; } cases[] = {
        {{0x0100, 0x0100}, 0},
        {{0x0100, 0x0100, 0x0100}, 1},
        {{0x0100, 0x2000}, 0},
        {{0x0100, 0x2000, 0x3FF0}, 0},
    };
    for (const auto& c : cases) {
        prompts.log.clear();
        radio.faults().refusedWrites.clear();
        for (const int block : c.refusedBlocks) radio.faults().refusedWrites[image::Addr(block)] += 1;
        prompts.retryAnswers = {true};
        ASSERT_TRUE(run(Direction::Write).success());
        EXPECT_EQ(prompts.count("retry:"), c.questions);
        // Retry waits two seconds before the new handshake.
        EXPECT_EQ(log.filter("sleep 2000").size(), c.questions);
        EXPECT_EQ(int(progress.size()), 1008);
    }
}

TEST_F(LinkTest, WriteRetryResumesAtTheRefusedBlock) {
    fillRandom(state.image, 4);
    radio.faults().refusedWrites[0x1230] = 3;
    prompts.retryAnswers = {true};
    ASSERT_TRUE(run(Direction::Write).success());
    const std::vector<int> written = blockAddresses(radio.received(), 'W');
    EXPECT_EQ(std::count(written.begin(), written.end(), 0x1230), 4);
    EXPECT_EQ(std::count(written.begin(), written.end(), 0x1220), 1);
    EXPECT_EQ(log.filter("sleep 2000").size(), 1);
    EXPECT_TRUE(std::ranges::equal(state.image.bytes(0x0100, 0x3F00), radio.memory().bytes(0x0100, 0x3F00)));
}

TEST_F(LinkTest, HandshakeNeedingThreeAttemptsMakesFirstRefusedFrameAsk) {
    radio.faults().garbledHandshakes = 2;
    radio.faults().refusedWrites[0x0100] = 1;
    EXPECT_EQ(run(Direction::Write).result, TransferResult::NoAnswer);
    EXPECT_EQ(prompts.log, QStringList{kRetryQuestion});
    EXPECT_EQ(blockAddresses(radio.received(), 'W'), std::vector<int>{0x0100});

    // Reading starts each block with a fresh count, so the same story does not ask.
    prompts.log.clear();
    radio.faults().garbledHandshakes = 2;
    radio.faults().missingReadAnswers[0x0010] = 1;
    EXPECT_TRUE(run(Direction::Read).success());
    EXPECT_EQ(prompts.count("retry:"), 0);
}

TEST_F(LinkTest, KilledOrStunnedRadioNeedsTheReviveCode) {
    const struct { std::uint8_t state; QString question; std::optional<QString> code; TransferResult result; } cases[] = {
        {1, text::kRadioKilled, QStringLiteral("KTR580"), TransferResult::Completed},
        {2, text::kRadioStunned, QStringLiteral("ktr580"), TransferResult::Completed},
        {1, text::kRadioKilled, QStringLiteral("KTR581"), TransferResult::RadioLocked},
        {2, text::kRadioStunned, std::nullopt, TransferResult::RadioLocked},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.question.toStdString() + " " + c.code.value_or("<cancel>").toStdString());
        radio.clearReceived();
        prompts.log.clear();
        radio.setState(c.state);
        state.image.setU8(image::map::kRadioState, c.state);
        prompts.reviveAnswers = {c.code};

        EXPECT_EQ(run(Direction::Write).result, c.result);
        EXPECT_EQ(prompts.log.value(0), "revive:" + c.question);
        EXPECT_EQ(prompts.count("revive:"), 1);
        const bool revived = c.result == TransferResult::Completed;
        // The revived write carries a cleared state byte and the radio comes back.
        EXPECT_EQ(state.image.u8(image::map::kRadioState), revived ? 0 : c.state);
        EXPECT_EQ(radio.memory().u8(image::map::kRadioState), revived ? 0 : c.state);
        EXPECT_EQ(radio.received().count(handshakeFrame()), revived ? 2 : 1);
        if (!revived) {
            EXPECT_FALSE(radio.received().contains(endFrame()));
            EXPECT_TRUE(blockAddresses(radio.received(), 'W').empty());
        }
    }
}

TEST_F(LinkTest, KilledRadioIsReadWithoutQuestions) {
    radio.setState(1);
    EXPECT_TRUE(run(Direction::Read).success());
    EXPECT_EQ(prompts.count("revive:"), 0);
    EXPECT_EQ(state.image.u8(image::map::kRadioState), 1);
}

TEST_F(LinkTest, PasswordIsAskedUntilRightAndThenRemembered) {
    radio.setPassword("1234");
    prompts.passwordAnswers = {QStringLiteral("1111"), QStringLiteral("1234")};
    ASSERT_TRUE(run(Direction::Read).success());
    EXPECT_EQ(prompts.log, (QStringList{"password:", "password:1111", "message:" + text::kReadCompleted}));
    EXPECT_EQ(state.transferPassword, "1234");
    EXPECT_EQ(radio.received().count(handshakeFrame()), 3);

    // A later transfer in the same run does not ask again.
    prompts.log.clear();
    ASSERT_TRUE(run(Direction::Write).success());
    EXPECT_EQ(prompts.count("password:"), 0);
}

TEST_F(LinkTest, CancelledPasswordIsAPasswordError) {
    radio.setPassword("1234");
    state.transferPassword = QStringLiteral("99");
    EXPECT_EQ(run(Direction::Write).result, TransferResult::PasswordRefused);
    EXPECT_EQ(prompts.log, (QStringList{"password:99", "message:" + text::kPasswordError}));
    EXPECT_TRUE(radio.received().endsWith(endFrame()));
    EXPECT_TRUE(blockAddresses(radio.received(), 'W').empty());
}

TEST_F(LinkTest, OnlyLeadingDigitsOfThePasswordCount) {
    const struct { QByteArray stored; QString transferPassword; int questions; } cases[] = {
        {"12a4", "12", 0},
        {"12a4", "12a4", 1},
        {QByteArray("\0\0\0\0", 4), "5678", 0},  // no password: never asks
        {"abcd", "", 0},
        {"0000", "0000", 0},
        {"0000", "", 1},
    };
    for (const auto& c : cases) {
        prompts.log.clear();
        radio.setPassword(c.stored);
        state.transferPassword = c.transferPassword;
        run(Direction::Read);
        EXPECT_EQ(prompts.count("password:"), c.questions) << c.stored.constData();
    }
}

TEST_F(LinkTest, ExitStopsAfterTheCurrentBlock) {
    for (const Direction direction : {Direction::Read, Direction::Write}) {
        radio.clearReceived();
        fillRandom(radio.memory(), 5);
        state.image.fill(0, 0x4000, 0);
        onProgress = [this](const TransferProgress& p) {
            if (p.position == 5) state.transfer.cancel = true;
        };
        EXPECT_EQ(run(direction).result, TransferResult::Cancelled);
        EXPECT_EQ(int(progress.size()), 5);
        EXPECT_TRUE(prompts.messages.isEmpty());
        EXPECT_FALSE(state.transfer.running);
        EXPECT_TRUE(radio.received().endsWith(endFrame()));
        // Reading does not wait for an answer to the final "END".
        const QStringList ending = direction == Direction::Read ? QStringList{"write 45 4e 44", "close"}
                                                                : QStringList{"read 4", "close"};
        EXPECT_EQ(log.mid(log.size() - 2), ending);
    }
    // Blocks already written stay in the radio; the rest is untouched.
    EXPECT_TRUE(std::ranges::equal(state.image.bytes(0x0100, 0x50), radio.memory().bytes(0x0100, 0x50)));
    EXPECT_FALSE(std::ranges::equal(state.image.bytes(0x0150, 0x10), radio.memory().bytes(0x0150, 0x10)));
}

TEST_F(LinkTest, ExitDuringRetryQuestionWaitsForTheNextBlock) {
    radio.faults().shortReadAnswers[0x0400] = 3;
    prompts.retryAnswers = {true};
    prompts.onRetryAsked = [this] { state.transfer.cancel = true; };
    EXPECT_EQ(run(Direction::Read).result, TransferResult::Cancelled);
    EXPECT_EQ(progress.back().position, (0x0400 - 0x0010) / 16 + 1);  // block 0x0400 was still read
}

// A radio whose answers do not repeat the request keeps the old rule, and the log says so;
// one that does has every answer checked, and a stale answer is never copied.
TEST_F(LinkTest, TheAnswerRuleComesFromTheFirstAnswer) {
    fillRandom(radio.memory(), 5);
    radio.memory().fill(image::map::kProgramPassword, image::map::kProgramPasswordLength, 0);
    for (const bool unaddressed : {true, false}) {
        notes.clear();
        radio.faults().unaddressedAnswers = unaddressed;
        ASSERT_TRUE(run(Direction::Read).success());
        EXPECT_TRUE(std::ranges::equal(state.image.bytes(0x0010, 0x3FF0), radio.memory().bytes(0x0010, 0x3FF0)));
        EXPECT_EQ(notes, unaddressed ? QStringList{text::kAnswersUnchecked.arg("00 00 00")} : QStringList{});
    }
}

TEST_F(LinkTest, CancelSetBeforeStartIsCleared) {
    state.transfer.cancel = true;
    EXPECT_TRUE(run(Direction::Read).success());
}

TEST_F(LinkTest, SecondTransferWhileOneRunsIsRefused) {
    state.transfer.running = true;
    EXPECT_EQ(run(Direction::Read).result, TransferResult::AlreadyRunning);
    EXPECT_TRUE(radio.received().isEmpty());
    EXPECT_TRUE(state.transfer.running);  // still the other transfer's
}

TEST_F(LinkTest, CableUnpluggedMidTransferEndsAtTheQuestion) {
    for (const Direction direction : {Direction::Read, Direction::Write}) {
        radio.faults().unplugAt = 0x0800;
        prompts.retryAnswers = {true};  // the retry finds no radio either
        EXPECT_EQ(run(direction).result, TransferResult::NoAnswer);
        EXPECT_EQ(prompts.count("retry:"), 2);
        EXPECT_TRUE(prompts.messages.isEmpty());
        prompts.log.clear();
        radio = SimulatedRadio();
    }
}

} // namespace
