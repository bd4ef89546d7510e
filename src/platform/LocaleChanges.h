#pragma once
// Where the system does not tell the application that the user's regional settings changed,
// this does: the application object then receives QEvent::LocaleChange as it does elsewhere.
// (Windows announces it to every top-level window as a setting change named "intl", which Qt 6.4
// passes over.)
namespace tornivex::platform {

// Idempotent; needs the application object.
void AnnounceSystemLocaleChanges();

}  // namespace tornivex::platform
