#pragma once
// What the song operations work on: the wizard's state, the desktop, telling the screens,
// and the one reaction that belongs to the run above them. The wizard provides it; every
// call happens on the interface thread.

#include "app/state/platform_services.h"
#include "app/state/wizard_state.h"

namespace app::songs {

class SongContext {
public:
    virtual WizardState& state() = 0;
    virtual PlatformServices& services() const = 0;
    // Tells the screens the state changed.
    virtual void notifyChanged() = 0;
    // Forgets the traces of an earlier edit run (its steps, log and progress screen).
    virtual void resetProgress() = 0;

protected:
    ~SongContext() = default;
};

}  // namespace app::songs
