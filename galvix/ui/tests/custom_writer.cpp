// A second Galvix3 as far as Custom.dat goes: adds numbered half reactions
// through a session guarded as the program guards it.
// Usage: custom_writer DATA_DIRECTORY PREFIX COUNT
#include "core/reaction_session.h"
#include "ui/data_folder.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    galvix::ReactionSession session(argv[1]);
    galvix::ui::GuardCustomFile(session);
    const int count = std::stoi(argv[3]);
    for (int k = 0; k < count; ++k) {
        const std::string text = std::string(argv[2]) + std::to_string(k) + " -> Q + e";
        const galvix::CustomEdit edit =
            session.addCustom({text, 0.5}, galvix::ExistingText::Refuse);
        if (edit.status != galvix::CustomEditStatus::Added) {
            std::fprintf(stderr, "%s: %s\n", text.c_str(),
                         edit.error ? edit.error->message().c_str() : "not added");
            return 1;
        }
    }
    return 0;
}
