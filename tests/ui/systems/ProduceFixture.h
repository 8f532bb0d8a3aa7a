#pragma once

#include "window/WindowDirectory.h"
#include "print/ui/PrintRangeDlg.h"
#include "print/ui/PrnPrevEGGYFrm.h"
#include "print/ui/PrnPrevGenFrm.h"
#include "systems/ui/BiblioFrm.h"
#include "window/CellGrid.h"

#include "../ShellFixture.h"
#include "TestValues.h"

#include <QDir>
#include <QTest>

#include <map>

namespace taru::test {

// A window that only counts its openings instead of showing itself modally.
template <typename Window>
class Recorded : public Window {
public:
    using Window::Window;
    int execs = 0;
    int exec() override
    {
        ++execs;
        if (onExec)
            onExec();
        return QDialog::Accepted;
    }
    std::function<void()> onExec;
};

// The windows the production windows hand work to, as recorders; a fixed seed for every
// production; BIBLIO and DELTIA in the temporary program folder.
class ProduceTest : public ShellTest, public ui::WindowDirectory {
protected:
    ProduceTest()
        : genPreview(context)
        , systemPreview(context)
        , biblio(context)
        , range(context)
    {
        context.windows = this;
        context.randomSeed = [this] { return seed++; };
        windows[ui::WindowId::PrnPrevGenFrm] = &genPreview;
        windows[ui::WindowId::PrnPrevEGGYFrm] = &systemPreview;
        windows[ui::WindowId::BiblioFrm] = &biblio;
        windows[ui::WindowId::PrintRangeDlg] = &range;
    }
    ~ProduceTest() override { context.windows = nullptr; }

    QDialog *window(ui::WindowId id) const override
    {
        const auto it = windows.find(id);
        return it == windows.end() ? nullptr : it->second;
    }

    // Types text into a cell of a grid as the user does: the first key opens the cell's editor,
    // the others go to it; then Enter.
    static void typeInto(ui::CellGrid *grid, int row, int column, const QString &text)
    {
        grid->setCurrentCell(row, column);
        for (const QChar c : text) {
            QWidget *editor = grid->indexWidget(grid->currentIndex());
            QTest::keyClick(editor ? editor : static_cast<QWidget *>(grid), c.toLatin1());
        }
        QWidget *editor = grid->indexWidget(grid->currentIndex());
        QTest::keyClick(editor ? editor : static_cast<QWidget *>(grid), Qt::Key_Return);
    }

    QString biblioPath(const QString &name) const { return QDir(data.path()).filePath(QStringLiteral("BIBLIO/") + name); }
    QString deltiaPath(const QString &name) const { return QDir(data.path()).filePath(QStringLiteral("DELTIA/") + name); }

    std::uint64_t seed = 1000;
    Recorded<ui::TPrnPrevGenFrm> genPreview;
    Recorded<ui::TPrnPrevEGGYFrm> systemPreview;
    Recorded<ui::TBiblioFrm> biblio;
    Recorded<ui::TPrintRangeDlg> range;
    std::map<ui::WindowId, QDialog *> windows;
};

} // namespace taru::test
