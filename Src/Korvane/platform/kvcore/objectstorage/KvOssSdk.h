#pragma once

// Start and end of the object-storage client's use in a process. Calls pair
// up: the client works between the first InitializeSdk() and the matching
// last ShutdownSdk(). Thread-safe.
namespace KvOssSdk {

// False when the network stack this client needs is unusable.
bool InitializeSdk();
void ShutdownSdk();
bool IsSdkInitialized();

} // namespace KvOssSdk
