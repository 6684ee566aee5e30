#pragma once

namespace isobra {

class AppState;
class Prompts;

// The question before anything replaces the observations: typed data that
// no file holds is not lost by a slip.
class UnsavedGuard {
public:
    UnsavedGuard(const AppState& state, Prompts& prompts);

    // True when the observations may be replaced now: they are saved or
    // empty (nothing is asked), or the user answers Yes to "入力したデータは
    // まだ保存されていません。…". No, the default, and Escape: false, and the
    // caller changes nothing.
    bool MayReplaceObservations();

private:
    const AppState& state_;
    Prompts& prompts_;
};

}  // namespace isobra
