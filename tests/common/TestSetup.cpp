#include "app/InstallLayout.h"

#include <QCoreApplication>

// Test programs are built into their own folder, away from the program: they
// find pdfworker and the translations in the program's folder, as it does.
static void lookBesideTheProgram()
{
    InstallLayout::setProgramFolder(QStringLiteral(SW_BIN_DIR));
}
Q_COREAPP_STARTUP_FUNCTION(lookBesideTheProgram)
