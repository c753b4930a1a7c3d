// vantor-skin-generator: draws the shipped skins and writes their pictures
// and definition files.
//
//     build/tools/skin-generator/vantor-skin-generator Skin/ [data/icons/]
//
// Given an icon folder, it paints the application icon's sizes there too.
//
// It needs no display; the fonts it draws glyph strips with are installed by
// tools/setup.sh.
#include "AppIcon.h"
#include "Skins.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2 && args.size() != 3) {
        err << "usage: vantor-skin-generator SKIN_FOLDER [ICON_FOLDER]\n";
        return 2;
    }
    const QString root = args[1];
    for (const auto writer : {skingen::WriteDefaultSkin, skingen::WriteShowcaseSkin}) {
        const QString error = writer(root);
        if (!error.isEmpty()) {
            err << "vantor-skin-generator: " << error << "\n";
            return 1;
        }
    }
    if (args.size() == 3) {
        if (const QString error = skingen::WriteAppIcons(args[2]); !error.isEmpty()) {
            err << "vantor-skin-generator: " << error << "\n";
            return 1;
        }
    }
    return 0;
}
