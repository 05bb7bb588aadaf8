#pragma once
// The files the build makes from the status pictures.
#include <QString>

namespace fq {

// "status-00" .. "status-54": the file name stem of status picture `index`.
QString StatusIconStem(int index);

// png/status-NN.png (32 px, for the task dialog) and statusicons.qrc listing
// them under the prefix /statusicons, in `folder`.
void WriteDialogPictures(const QString& folder);

// ico/status-NN.ico (16, 32 and 48 px) and statusicons.rc naming them in
// index order, in `folder`.
void WriteIconFiles(const QString& folder);

// status-sheet.png in `folder`: every picture at every size, for looking.
void WriteContactSheet(const QString& folder);

}  // namespace fq
