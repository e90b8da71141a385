// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every timing value and frame size of the radio link, in one place. The radio and its
// cable dictate them; the engine and the ports read them from here only.

// The link folder's namespace is radiolink, not link: POSIX declares a function link() in
// <unistd.h>, which every Qt header brings in, and a namespace cannot share its name.
namespace radiolink {

// Line: 9600 baud, 8N1. One byte on the wire is 10 bits, so 960 bytes per second.
constexpr int kBaudRate = 9600;
constexpr int kBytesPerSecond = kBaudRate / 10;

// Driver buffer sizes the port asks for.
constexpr int kInBufferSize = 1024;
constexpr int kOutBufferSize = 512;

// Port time-outs: a read of n bytes gives up after kTimeoutConstantMs + kTimeoutPerByteMs * n,
// or when kReadGapMs pass between two received bytes; a write of n bytes likewise.
constexpr int kReadGapMs = 50;
constexpr int kTimeoutConstantMs = 50;
constexpr int kTimeoutPerByteMs = 50;

// The radio needs a short pause before each request, write frame and identify byte.
constexpr int kPauseBeforeRequestMs = 5;
// How long the handshake keeps listening for a late "QX" answer.
constexpr int kHandshakeWindowMs = 100;
// The fast path: a read answer that has not started after this long is asked for again.
constexpr int kReadAnswerWindowMs = 20;
// A late answer is not a dead radio: a failure counts only after this long with nothing from
// the radio (reads), or without an acknowledgement (writes). A loaded PC or a USB adapter
// easily holds an answer back for tens of milliseconds.
constexpr int kSilenceBeforeFailureMs = 1000;
// Before asking again after a failed attempt, wait until the line has been quiet this long
// (longer than one 22-byte answer takes at 9600 baud) and purge, so that a late answer
// cannot sit in front of the next one; give up waiting for quiet after kResyncLimitMs.
constexpr int kQuietLineMs = 30;
constexpr int kResyncLimitMs = 1000;
// The radio gets time to settle before a write transfer tries again.
constexpr int kWriteRetryWaitMs = 2000;

// Failure counts: a handshake is asked about when the counter already stands at this
// value; a read block at this many failures; a write frame above this many. The counter
// starts again after every block that succeeds.
constexpr int kHandshakeFailuresBeforeAsking = 2;
constexpr int kReadFailuresBeforeAsking = 3;
constexpr int kWriteFailuresAllowed = 2;

// Frame and answer sizes.
constexpr int kHandshakeAnswerSize = 3;
constexpr int kIdentifyReplySize = 16;
constexpr int kIdentifyStateByte = 14;
constexpr int kReadRequestSize = 4;
constexpr int kReadAnswerSize = 22;
constexpr int kReadAnswerDataOffset = 4;
constexpr int kWriteFrameSize = 22;
constexpr int kEndReadBackSize = 4;  // 3 echo bytes and at most one answer byte
constexpr int kReadAnswerChecksumByte = 20;
constexpr int kReadAnswerLastByte = 21;  // 0x06, as a write frame ends

// Radio states in byte 14 of the identification reply.
constexpr int kRadioKilled = 1;
constexpr int kRadioStunned = 2;

} // namespace radiolink
