// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/diplexer_state.h"

namespace diplexer {

DiplexerState state{};

void ResetDiplexerState() {
    state = DiplexerState{};
}

}  // namespace diplexer
