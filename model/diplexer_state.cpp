#include "model/diplexer_state.h"

DiplexerState state{};

void ResetDiplexerState() {
    state = DiplexerState{};
}
