#pragma once
// The frame of the program's dialogs: a caption and a close box, no minimise or maximise button,
// at the size its layout asks (a window manager offers to maximise only what can be resized).
class QDialog;

void UseDialogFrame(QDialog& dialog);
