// libFuzzer entry: arbitrary bytes through opening, information, security,
// page boxes, rendering and single-page extraction of the PDF operations.
// Any crash, sanitizer report or leak is a finding; answers are not judged
// here (the QtTest loop in tests/fuzz checks their consistency).

#include "pdf/DebenuPDFLibraryDLLQt1016.h"
#include "pdf/PageRenderer.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

QString scratchPath(const char *name)
{
    return QDir::tempPath() + QStringLiteral("/sheafwright-fuzz-%1-%2").arg(::getpid()).arg(QLatin1String(name));
}

void exercise(DebenuPDFLibraryDLLQt1016 &library, const QString &input, const QString &password)
{
    if (library.LoadFromFile(input, password) != 1)
        return;
    const int id = library.SelectedDocument();
    const int pages = library.PageCount();
    library.GetInformation(2);
    library.GetInformation(0);
    for (int item = 0; item <= 5; ++item)
        library.SecurityInfo(item);
    const int last = pages < 1 ? 1 : pages;
    for (int page : {1, last}) {
        if (library.SelectPage(page) != 1)
            continue;
        for (int box = 1; box <= 5; ++box)
            library.GetPageBox(box, 2);
        library.PageRotation();
    }
    QImage image(120, 160, QImage::Format_RGB32);
    library.RenderPageToBitmap(1, PageBitmap{image.width(), image.height(), int(image.bytesPerLine()), image.bits()});
    library.ExtractFilePages(input, password, scratchPath("page.pdf"), QStringLiteral("1"));
    library.RemoveDocument(id);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // One library for the whole run, as in the program: its caches see file
    // after file under the same name.
    static auto *library = [] {
        auto *created = new DebenuPDFLibraryDLLQt1016(QString());
        created->InstallRenderer(std::make_shared<PageRenderer>());
        return created;
    }();
    const QString input = scratchPath("input.pdf");
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    exercise(*library, input, QString());
    exercise(*library, input, QStringLiteral("view"));
    return 0;
}
