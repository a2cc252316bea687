#pragma once

#include <QtGlobal>

// Names and limits shared by both ends of the communicator. The web helper
// link (modules/webipc, KvIPCProtocol.h) carries its events in the same
// frames on a socket of its own. A helper started
// by KvCommunicatorServer::StartProcess finds its way back through the two
// environment variables and introduces itself with a hello message; the
// server never hands the hello on to its listeners.
namespace KvCommunicator {

// Absolute path of the server socket the helper connects back to.
constexpr const char *kEnvSocket = "KV_COMMUNICATOR_SOCKET";
// Random per-process token; the helper's hello carries it.
constexpr const char *kEnvToken = "KV_COMMUNICATOR_TOKEN";

// First message of a helper connection: contents [token].
constexpr const char *kCmdHello = "KVCMD_HELLO";
// The event tracker's KvCommand::TrackPublic asks for the public tracking
// events; the server answers with sigTrackPublic().

// Largest text one frame may carry (UTF-8 bytes).
constexpr int kMaxPayload = 16 * 1024 * 1024;
// Bytes a peer may leave unread before further sends to it are refused.
constexpr qint64 kMaxWriteBacklog = 2 * qint64(kMaxPayload);
// Messages held for a helper that has not said hello yet.
constexpr int kMaxPendingMessages = 256;
constexpr qint64 kMaxPendingBytes = kMaxPayload;
// A peer that stops in the middle of a frame for this long is dropped.
constexpr int kDefaultStallTimeoutMs = 5000;
// The bounded wait of a delivering SendMsg (a second instance about to exit).
constexpr int kDeliveryTimeoutMs = 1000;

// Results of the send operations; negative values mean nothing was sent.
enum SendResult : int {
    SendOk = 0,
    SendNotConnected = -1, // no connection and none could be made; or no such helper running
    SendNoChannel = -2,    // the helper was started without a channel back
    SendRefused = -3,      // the peer is not reading (backlog or queue full)
    SendTimedOut = -4,     // a delivering send did not finish within its bound
    SendInvalid = -5,      // empty command or a text over the frame limit
};

} // namespace KvCommunicator
