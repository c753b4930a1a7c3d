// Prints the caption of the player's Exit command in the language the
// desktop's locale chooses, with the catalogue of the player folder given
// (ending in a slash). The language tests start it with one locale each.
#include "ui/Translation.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: LanguageProbe PLAYER_FOLDER/\n";
        return 2;
    }
    vantor::UseDesktopLanguage({argv[1]});
    std::cout << vantor::ShownText("終了(&E)").toStdString() << '\n';
    return 0;
}
