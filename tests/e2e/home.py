"""What the home page shows, as the cases look for it."""

HEADING = "Recover Your Data from iOS Device Completely"
HEADING_GERMAN = "Stellen Sie Ihre Daten vom iOS-Gerät vollständig wieder her"

# (title, description) of each card, device first.
CARDS = [
    ("Recover Data from iOS Device",
     "Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc."),
    ("Recover Data from iTunes Backup", "Support to scan and preview data from iTunes backup."),
    ("Recover Data from iCloud Backup", "Support to recover data that synced to iCloud."),
]
CARDS_GERMAN = [
    "Daten vom iOS-Gerät wiederherstellen",
    "Daten aus iTunes-Backup wiederherstellen",
    "Daten aus iCloud-Backup wiederherstellen",
]

# The main menu's entries from the top, and the languages in their submenu.
MENU = ["About", "Settings", "Check for Updates", "Languages", "Help"]
LANGUAGES = ["English", "Italiano", "Русский", "Deutsch", "Français", "Español", "Português", "Japanese",
             "简中", "繁中"]


def menu_keys(entry, language=None):
    """The keys that choose a main-menu entry (or a language) in the open
    menu: a popup menu is not in the accessibility tree."""
    keys = ["Down"] * (MENU.index(entry) + 1)
    if language is not None:
        keys += ["Right"] + ["Down"] * LANGUAGES.index(language)
    return keys + ["Return"]
