// The chime as the settings window sets it: the program's chime implements it.
#pragma once

#include "core/chime.h"

namespace quorvel {

class ChimeTuning {
public:
    virtual const ChimeSettings& Chime() const = 0;
    // Takes the settings at once and stores them.
    virtual void SetChime(const ChimeSettings& settings) = 0;
    // Plays the chime as set, the hour struck when it strikes; false (the
    // user was told why) when its sound file cannot be played.
    virtual bool HearChime() = 0;

protected:
    ~ChimeTuning() = default;
};

}  // namespace quorvel
