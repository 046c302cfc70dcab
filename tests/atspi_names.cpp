// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds of a running program over the accessibility bus
// (AT-SPI): atspi_names APPLICATION prints "role|name|description" for every
// object of the application's tree, waiting up to 10 s for it to appear.
#include <atspi/atspi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {

std::string Text(gchar* text) {
    std::string copy = text != nullptr ? text : "";
    g_free(text);
    return copy;
}

void Walk(AtspiAccessible* object, int depth) {
    const std::string role = Text(atspi_accessible_get_role_name(object, nullptr));
    const std::string name = Text(atspi_accessible_get_name(object, nullptr));
    const std::string description = Text(atspi_accessible_get_description(object, nullptr));
    std::printf("%s|%s|%s\n", role.c_str(), name.c_str(), description.c_str());
    if (depth >= 8) {
        return;
    }
    const gint children = atspi_accessible_get_child_count(object, nullptr);
    for (gint i = 0; i < children; ++i) {
        if (AtspiAccessible* child = atspi_accessible_get_child_at_index(object, i, nullptr)) {
            Walk(child, depth + 1);
            g_object_unref(child);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: atspi_names APPLICATION\n", stderr);
        return 2;
    }
    if (atspi_init() > 1) {
        std::fputs("no accessibility bus\n", stderr);
        return 1;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        AtspiAccessible* desktop = atspi_get_desktop(0);
        const gint apps = atspi_accessible_get_child_count(desktop, nullptr);
        for (gint i = 0; i < apps; ++i) {
            AtspiAccessible* app = atspi_accessible_get_child_at_index(desktop, i, nullptr);
            if (app == nullptr) {
                continue;
            }
            const bool wanted = Text(atspi_accessible_get_name(app, nullptr)) == argv[1];
            if (wanted && atspi_accessible_get_child_count(app, nullptr) > 0) {
                Walk(app, 0);
                g_object_unref(app);
                g_object_unref(desktop);
                return 0;
            }
            g_object_unref(app);
        }
        g_object_unref(desktop);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::fprintf(stderr, "%s did not appear on the accessibility bus\n", argv[1]);
    return 1;
}
