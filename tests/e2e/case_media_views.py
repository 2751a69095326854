#!/usr/bin/python3
"""Photos, documents and Safari after a scan: an iTunes backup built in code
(300 photos, a corrupt and a truncated one, a video without a still, app
documents, Safari with a title that looks like markup) scanned through the
iTunes flow. The grid's tiles are named by file; good ones show their
picture and damaged ones the placeholder; the Safari rows are those of the
backup's databases, shown as typed; the search narrows them."""
import os
import subprocess
import sys

from devicecase import choose_only, find_dialog_with
from flows import ITUNES_CARD, set_text
from harness import check, run_case, wait_until

CATEGORIES = ["Photos", "Video in album", "Safari Bookmarks", "Safari History", "App Documents"]
MARKUP = "<b>Bold</b> & <img src=x>"
PLACEHOLDER = (0xDC, 0xE6, 0xFD)  # the photo placeholder's face
VIDEO_PLACEHOLDER = (0x55, 0x8A, 0xF8)


def build_backup(session, root):
    tool = os.path.join(os.path.dirname(session.bin_dir), "tests", "e2e", "e2e-mediabackup")
    target = os.path.join(root, "Photo-iPhone")
    subprocess.run([tool, target], check=True, timeout=120)
    return target


def click(session, accessible):
    """A left click in the middle of it, as a person's mouse gives it."""
    x, y, width, height = accessible.queryComponent().getExtents(0)
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"],
                   env=session.env, check=True, timeout=20)


def face(session, shot, tile):
    """The colour where a tile's placeholder shows its face."""
    # (80, 53) of a 141-pixel tile, whatever the display's scale.
    x, y, width, height = tile.queryComponent().getExtents(0)
    return session.pixel(shot, x + width * 80 // 141, y + height * 53 // 141)


def near(colour, expected, tolerance=24):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


def rows_of(table):
    cells = table.queryTable()
    return [cells.getAccessibleAt(row, 1).name for row in range(cells.nRows)]


def open_category(session, app, window, name):
    categories = app.find(window, "list", "Categories")
    click(session, app.find(categories, "list item", name))


def body(session):
    root = os.path.join(session.work, "backups")
    os.makedirs(root)
    build_backup(session, root)
    app = session.start_quenrow(env={"QUENROW_ITUNES_BACKUP_ROOT": root,
                                     "QUENROW_DATA_ROOT": os.path.join(session.work, "data")})
    window = app.window()
    app.press(app.find(window, "push button", ITUNES_CARD))
    backups = app.find(window, "table", "iTunes backups")
    wait_until(lambda: backups.queryTable().nRows == 1, 20, "the backup listed")
    cell = backups.queryTable().getAccessibleAt(0, 1)
    action = cell.queryAction()
    session.do_action(cell, action.getName(0))
    app.press(app.find(window, "push button", "Next"))
    choose_only(session, app, window, CATEGORIES)
    app.press(app.find(window, "push button", "Start Scan"))

    done = find_dialog_with(app, "has been scanned completely", timeout=90)
    app.press(app.find(done, "push button", "OK"))

    # The photos: newest first, the two damaged ones before the others.
    open_category(session, app, window, "Photos")
    grid = app.find(window, "list", "Photos", timeout=20)
    cut = app.find(grid, "list item", "IMG_0302.JPG")
    corrupt = app.find(grid, "list item", "IMG_0301.JPG")
    good = [app.find(grid, "list item", "IMG_%04d.JPG" % number) for number in (300, 299, 296)]
    shot = wait_until(lambda: (lambda path: path if not near(face(session, path, good[0]), PLACEHOLDER)
                               else None)(session.shot("photos")), 20, "the photos' pictures")
    for tile in good:
        check(not near(face(session, shot, tile), PLACEHOLDER), "%s shows the placeholder" % tile.name)
    for tile in (cut, corrupt):
        colour = face(session, shot, tile)
        check(near(colour, PLACEHOLDER), "%s shows %r, not the placeholder" % (tile.name, colour))

    open_category(session, app, window, "Video in album")
    videos = app.find(window, "list", "Video in album", timeout=20)
    clip = app.find(videos, "list item", "IMG_0303.MOV")
    colour = face(session, session.shot("videos"), clip)
    check(near(colour, VIDEO_PLACEHOLDER), "the video without a still shows %r" % (colour,))

    open_category(session, app, window, "App Documents")
    documents = app.find(window, "table", "App Documents", timeout=20)
    wait_until(lambda: documents.queryTable().nRows == 4, 10, "four documents")
    names = sorted(rows_of(documents))
    check(names == sorted(["handbook.pdf", "atlas.pdf", "todo.txt", "Budget 2024.xlsx"]), "documents: %r" % names)
    session.shot("app-documents")

    open_category(session, app, window, "Safari History")
    history = app.find(window, "table", "Safari History", timeout=20)
    wait_until(lambda: history.queryTable().nRows == 3, 10, "three visits")
    titles = sorted(rows_of(history))
    check(titles == sorted(["Example Domain", MARKUP, "Today's news"]), "history: %r" % titles)
    session.shot("safari-history")
    search = app.find(window, "text", "Search")
    set_text(search, "news")
    app.press(app.find(window, "push button", "Search"))
    wait_until(lambda: history.queryTable().nRows == 1, 10, "the search to keep one visit")
    check(rows_of(history) == ["Today's news"], "the search kept %r" % rows_of(history))


if __name__ == "__main__":
    sys.exit(run_case("media_views", body))
