#include "galvix_windows.h"

#include "about_dialog.h"
#include "applications_dialog.h"
#include "conditions_window.h"
#include "custom_reactions_dialog.h"
#include "element_list_window.h"
#include "galvix_context.h"
#include "half_reaction_data_dialog.h"
#include "jump_dialog.h"
#include "list_output_dialog.h"
#include "main_screen.h"
#include "open_reaction_dialog.h"
#include "options_dialog.h"
#include "progress_window.h"
#include "reaction_data_window.h"
#include "save_reaction_dialog.h"
#include "search_dialog.h"
#include "tip_dialog.h"

#include <QShortcut>

// Resources of a static library are registered by hand.
static void InitResources() {
    Q_INIT_RESOURCE(galvix_ui);
}

namespace galvix::ui {

GalvixWindows::GalvixWindows(GalvixContext& context, ReactionSession& session)
    : context_(context), session_(session) {
    InitResources();
}

GalvixWindows::~GalvixWindows() = default;

void GalvixWindows::showElements(QWidget* from) {
    ElementListWindow& elements = get<ElementListWindow>();
    if (elements.load(from))
        elements.exec();
}

void GalvixWindows::installElementsKey(QWidget* window) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F8), window);
    QObject::connect(key, &QShortcut::activated, window, [this, window] { showElements(window); });
}

void GalvixWindows::applyAppearanceToAll() {
    std::apply(
        [this](const auto&... windows) {
            ((windows ? context_.applyAppearance(windows.get()) : void()), ...);
        },
        windows_);
}

} // namespace galvix::ui
