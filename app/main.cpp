// Diplexer: sizes a constant-resistance diplexer and shows its response.
#include "app/startup.h"

int main() {
    return RunDiplexer();
}
