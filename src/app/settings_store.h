// The clock's settings under the program's registry key, and the entry that
// starts the program at log-on. Loading and the start-up entry report their
// own failures to the user; Save says whether it worked and leaves telling to
// its caller, which tells once for a run of failed saves.
#pragma once

#include "app/clock_settings.h"

namespace quorvel {

class SettingsStore {
public:
    enum class Loaded { FirstStart, Read, Failed };

    // Reads the stored values into `settings`, in the order they were always
    // read: a failing read leaves the values read before it, and the rest as
    // they were. A first start (no key yet) leaves them all and adds the
    // start-up entry.
    Loaded Load(ClockSettings& settings) const;
    [[nodiscard]] bool Save(const ClockSettings& settings) const;

    // Adds the entry with this executable's path, or removes it.
    [[nodiscard]] bool SetStartupEntry(bool enabled) const;
    bool StartupEntryExists() const;
};

}  // namespace quorvel
