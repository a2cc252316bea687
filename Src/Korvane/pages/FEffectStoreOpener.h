#pragma once

class QObject;

// Opens the effect store at its page: the address comes from the web-address
// service (the stock-media download page when it cannot be had), and a store
// that is not running yet starts with the interface language as well.
namespace FEffectStoreOpener {

// `context` owns the pending address request; nothing happens if it is
// destroyed before the answer arrives.
void open(QObject *context);

} // namespace FEffectStoreOpener
