#include "app/PopupMenus.h"

#include "app/Player.h"
#include "core/MainCommands.h"
#include "core/MainMenu.h"
#include "core/MenuTicks.h"
#include "ui/Translation.h"

#include <QMenu>

namespace vantor {

namespace {

QString Caption(const MenuItem& item) {
    QString caption = ShownText(item.caption);
    if (item.shortcut != 0)
        caption += QLatin1Char('\t') + QChar::fromLatin1(item.shortcut);
    return caption;
}

void Fill(Player& player, QMenu& menu, const MenuItem& parent) {
    for (const MenuItem& item : parent.children) {
        switch (item.kind) {
        case MenuItemKind::Separator:
            menu.addSeparator();
            break;
        case MenuItemKind::Submenu:
            Fill(player, *menu.addMenu(Caption(item)), item);
            break;
        default: {
            QAction* action = menu.addAction(Caption(item));
            if (item.kind != MenuItemKind::Command) {
                action->setCheckable(true);
                action->setChecked(MenuItemTicked(player.settings, item.name, item.index));
            }
            const std::string name(item.name);
            const std::int32_t index = item.index;
            QObject::connect(action, &QAction::triggered,
                             [&player, name, index] { player.commands.RunMenuItem(name, index); });
        }
        }
    }
}

} // namespace

void ShowMenu(Player& player, const MenuItem& menu, QPoint at) {
    QMenu popup;
    Fill(player, popup, menu);
    popup.exec(at);
    player.Present();
}

void ShowMainPopup(Player& player, QPoint at) {
    ShowMenu(player, MainPopupMenu(), at);
}

void ShowMainWindowPopup(Player& player, QPoint local, QPoint global) {
    const SkinDefinition& skin = player.skin;
    if (skin.analyzerAreaPlaced && skin.spectrumField.rect.Contains(local.x(), local.y()))
        ShowMenu(player, AnalyzerPopupMenu(), global);
    else if (skin.Style(TextField::SongInfo).rect.Contains(local.x(), local.y()))
        ShowMenu(player, SongInfoPopupMenu(), global);
    else
        ShowMainPopup(player, global);
}

} // namespace vantor
