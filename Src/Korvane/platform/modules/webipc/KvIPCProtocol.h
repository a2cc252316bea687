#pragma once

#include <QtGlobal>

// The wire form between the editor's IPC server (KvIPCServer) and a web
// helper process (KvIPCClient).
//
// Transport: the communicator's framing (KvCommunicatorProtocol.h): a local
// socket in the user's runtime directory named after the server
// (KvCommunicatorServer::socketPathForName), frames of "KVC1", a 4-byte
// big-endian length and UTF-8 JSON, each frame one array of messages. The
// helper learns the socket and a per-start token from its environment
// (kEnvSocket, kEnvToken); its first message is
//
//     {"cmd":"KVIPC_HELLO","contents":["<token>"]}
//
// and a connection whose first message is anything else, or carries another
// token, is dropped. After that every message is one event:
//
//     {"cmd":"KVIPC_EVENT","contents":["<task id>","<event number>","<params>"]}
//
// task id: decimal; 0 addresses the helper as a whole (skin, proxy, enable),
//   any other number one task (one page) the editor created.
// event number: decimal, 1 to 65535. Numbers below kFirstUserEvent are the
//   library's own (below); the others belong to the application, which turns
//   them into event objects through its IKvIPCEventParser.
// params: a compact JSON object, "{}" when the event carries nothing.
//
// Unknown event numbers and events for tasks that are gone are ignored, so
// that either side can be newer than the other.
namespace KvIPC {

constexpr const char *kEnvSocket = "KV_IPC_SOCKET";
constexpr const char *kEnvToken = "KV_IPC_TOKEN";

constexpr const char *kCmdHello = "KVIPC_HELLO";
constexpr const char *kCmdEvent = "KVIPC_EVENT";

constexpr quint16 kFirstUserEvent = 1000;

// Library events.
enum Event : quint16 {
    // editor -> helper, task 0: {"enabled": 0|1}; a disabled helper opens no pages.
    EventEnable = 1,
    // editor -> helper: {"kind", "width", "height", "url"}; the helper opens the page.
    EventTaskCreate = 2,
    // helper -> editor: {"window": native window id, 0 when it has none}.
    EventTaskCreated = 3,
    // editor -> helper: the page's window goes away.
    EventTaskClose = 4,
    // helper -> editor: the page closed itself (the user or the page is done).
    EventTaskClosed = 5,
    // helper -> editor: {"ok": bool}; the page has finished loading.
    EventPageLoaded = 6,
    // editor -> helper: go back one step in the page.
    EventGoBack = 7,
};

// Task kinds.
constexpr int kTaskKindUi = 1;

// Messages held for a helper that has not said hello yet.
constexpr int kMaxPendingMessages = 256;

} // namespace KvIPC
