import QtQuick 2.12

// A message whose file has expired: its text in place of the download hint.
ExistView {
    sentence: row.plainText
}
