// Opening and saving a large menu file in the real editor, next to reading and splitting the
// same file without widgets. Prints the median of several runs of each.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_menufiles
#include "app/mainform.h"
#include "common/linelist.h"
#include "common/textfile.h"
#include "support/editorfixture.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int lineCount = 100000;
constexpr int runs = 9;

double medianMilliseconds(const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QByteArray bigMenuFile()
{
    QStringList lines;
    for (int i = 0; i < lineCount; ++i)
        lines.append(u"Пункт %1|icons\\i%1.png|FILE|0:\\ZBin\\a%1.elf"_s.arg(i));
    return joinTextLines(lines);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    EditorFixture editor;
    const QByteArray bytes = bigMenuFile();
    const QString path = editor.writeMenuFolderFile(u"mnu/big.mnu"_s, bytes);
    editor.start();
    LineList* items = editor.find<LineList>("ContentsFile");
    QAction* open = editor.window().findChild<QAction*>(u"mOpen"_s);
    QAction* save = editor.window().findChild<QAction*>(u"mSave"_s);

    const double baseline = medianMilliseconds([&] { readTextLines(path); });
    const double opening = medianMilliseconds([&] {
        editor.prompts.chooseNextFile(path);
        open->trigger();
        items->repaint(); // until the list shows the file
    });
    const double saving = medianMilliseconds([&] { save->trigger(); });

    std::printf("file: %d lines, %.1f MB\n", items->count(), bytes.size() / 1e6);
    std::printf("read and split without widgets: %.1f ms\n", baseline);
    std::printf("open until the list shows it:   %.1f ms (%.2f x baseline)\n", opening,
                opening / baseline);
    std::printf("save:                           %.1f ms\n", saving);
    return 0;
}
