#pragma once

namespace kst::ops {

// The chosen actions, as the pipeline runs them, the status line shows them
// and the settings file keeps them; all stands for the three others whatever
// their marks.
struct Actions {
    bool all = false;
    bool removeIntro = false;
    bool truncate = false;
    bool applyExitHack = false;

    bool any() const { return all || removeIntro || truncate || applyExitHack; }
    friend bool operator==(const Actions&, const Actions&) = default;
};

}  // namespace kst::ops
