#include "TestPaths.h"
#include "TestPdf.h"
#include "app/AppSettings.h"
#include "pdf/DebenuDocument.h"
#include "pdf/DebenuService.h"
#include "pdf/PageRenderer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

// Mutated and random bytes through open, information, rendering and
// extraction. Deterministic for a seed (SW_FUZZ_SEED, default 20240305);
// runs for SW_FUZZ_SECONDS (default 3). Every outcome must be a clean
// answer: a refused file, a locked file, or consistent information.
class TestPdfInput : public QObject
{
    Q_OBJECT
private:
    std::shared_ptr<DebenuService> m_service;
    QTemporaryDir m_dir;
    QList<QByteArray> m_seeds;
    QRandomGenerator m_random;
    int m_opened = 0;
    int m_locked = 0;
    int m_refused = 0;
    int m_rendered = 0;
    int m_extracted = 0;

    int bounded(int limit) { return limit > 0 ? int(m_random.bounded(quint32(limit))) : 0; }

    QByteArray mutate(QByteArray data)
    {
        static const QList<QByteArray> tokens = {"obj",  "endobj", "<<",      ">>",  " R ",     "stream",
                                                 "endstream", "xref", "trailer", "/Kids", "/Count 99999",
                                                 "/Length 0", "[", "]", "(", ")", "%%EOF", "0 0 R"};
        const int rounds = 1 + bounded(4);
        for (int round = 0; round < rounds && !data.isEmpty(); ++round) {
            const int at = bounded(data.size());
            switch (bounded(6)) {
            case 0: // flip bytes
                for (int i = 0; i < 1 + bounded(8); ++i)
                    data[bounded(data.size())] = char(m_random.bounded(256));
                break;
            case 1: // overwrite a run with noise
                for (int i = at; i < qMin(data.size(), at + 1 + bounded(64)); ++i)
                    data[i] = char(m_random.bounded(256));
                break;
            case 2: // truncate
                data.truncate(at);
                break;
            case 3: // copy a chunk elsewhere
                data.insert(bounded(data.size()), data.mid(at, 1 + bounded(256)));
                break;
            case 4: // change the digits of numbers (lengths, offsets, object numbers)
                for (int i = at; i < qMin(data.size(), at + 200); ++i) {
                    if (data.at(i) >= '0' && data.at(i) <= '9')
                        data[i] = char('0' + bounded(10));
                }
                break;
            default: // insert a PDF token
                data.insert(at, tokens.at(bounded(tokens.size())));
                break;
            }
        }
        return data;
    }

    // Runs one input through the service; returns false with a reason on an inconsistency.
    bool exercise(const QByteArray &data, const QString &path, QString *problem)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            *problem = QStringLiteral("cannot write input");
            return false;
        }
        file.write(data);
        file.close();
        for (bool bigData : {false, true}) {
            DebenuDocument document(m_service, path, QStringLiteral("view"), bigData);
            if (!document.isLoaded()) {
                ++m_refused;
                if (document.documentId() != 0) {
                    *problem = QStringLiteral("refused document with an id");
                    return false;
                }
                continue;
            }
            if (document.needsPassword()) {
                ++m_locked;
                if (document.pageCount() != 0) {
                    *problem = QStringLiteral("locked document answers a page count");
                    return false;
                }
                continue;
            }
            ++m_opened;
            const int pages = document.pageCount();
            if (pages < 0) {
                *problem = QStringLiteral("negative page count");
                return false;
            }
            document.documentTitle();
            document.isEncrypted();
            document.contentCopyPermitted();
            if (pages == 0)
                continue;
            const QSize size = document.pageSize(1);
            document.pageSize(pages);
            const QImage image = document.firstPageImage();
            if (!image.isNull()) {
                ++m_rendered;
                if (image.size() != size) {
                    *problem = QStringLiteral("rendered %1x%2 for a page of %3x%4")
                                   .arg(image.width()).arg(image.height()).arg(size.width()).arg(size.height());
                    return false;
                }
            }
            if (!bigData) {
                const QString extracted = path + QStringLiteral(".page1.pdf");
                QFile::remove(extracted);
                if (m_service->extractFilePages(path, QStringLiteral("view"), extracted, QStringLiteral("1")) == 1) {
                    ++m_extracted;
                    DebenuDocument copy(m_service, extracted, QString(), false);
                    if (!copy.isLoaded() || copy.needsPassword() || copy.pageCount() != 1) {
                        *problem = QStringLiteral("extracted page does not open as one page");
                        return false;
                    }
                }
            }
        }
        return true;
    }

private slots:
    void initTestCase()
    {
        AppSettings::applyIdentity();
        QVERIFY(m_dir.isValid());
        m_service = std::make_shared<DebenuService>();
        m_service->installRenderer(std::make_shared<PageRenderer>());
        const QStringList names = QDir(TestPaths::fixturesDir()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        QVERIFY(names.size() >= 10);
        for (const QString &name : names) {
            QFile file(TestPaths::fixture(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            m_seeds.append(file.readAll());
        }
        const QString generated = m_dir.filePath(QStringLiteral("generated.pdf"));
        QVERIFY(TestPdf::writeNumbered(generated, 5));
        QFile file(generated);
        QVERIFY(file.open(QIODevice::ReadOnly));
        m_seeds.append(file.readAll());
        m_random.seed(quint32(qEnvironmentVariableIntValue("SW_FUZZ_SEED") ?: 20240305));
    }

    void seedsBehave()
    {
        QString problem;
        for (int i = 0; i < m_seeds.size(); ++i)
            QVERIFY2(exercise(m_seeds.at(i), m_dir.filePath(QStringLiteral("seed.pdf")), &problem),
                     qPrintable(QStringLiteral("seed %1: %2").arg(i).arg(problem)));
        QVERIFY(m_opened > 0);
        QVERIFY(m_locked > 0 || m_opened > 0);
    }

    void mutatedInputsAnswerCleanly()
    {
        const int seconds = qEnvironmentVariableIntValue("SW_FUZZ_SECONDS") ?: 3;
        QElapsedTimer timer;
        timer.start();
        int iterations = 0;
        QString problem;
        const QString path = m_dir.filePath(QStringLiteral("input.pdf"));
        while (timer.elapsed() < seconds * 1000 || iterations < 30) {
            QByteArray data;
            if (iterations % 10 == 9) { // plain noise behind a header
                data = "%PDF-1.7\n";
                for (int i = 0; i < bounded(4096); ++i)
                    data.append(char(m_random.bounded(256)));
            } else {
                data = mutate(m_seeds.at(bounded(m_seeds.size())));
            }
            const QByteArray input = data;
            if (!exercise(input, path, &problem)) {
                const QString kept = m_dir.filePath(QStringLiteral("failing.pdf"));
                QFile::remove(kept);
                QFile::copy(path, kept);
                QFAIL(qPrintable(QStringLiteral("iteration %1: %2").arg(iterations).arg(problem)));
            }
            ++iterations;
        }
        qInfo("%d inputs: %d opened, %d locked, %d refused, %d rendered, %d extracted", iterations, m_opened,
              m_locked, m_refused, m_rendered, m_extracted);
        // Mutations must keep reaching the interesting paths, not only refusals.
        QVERIFY(m_opened > iterations / 10);
        QVERIFY(m_rendered > 0);
        QVERIFY(m_refused > 0);
    }
};

QTEST_MAIN(TestPdfInput)
#include "tst_pdfinput.moc"
