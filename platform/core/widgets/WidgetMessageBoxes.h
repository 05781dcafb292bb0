#pragma once
// Shows the platform's message boxes as QMessageBox once a QApplication exists. The
// user-interface layer calls InstallWidgetMessageBoxes() at start (library PlatformCoreWidgets).
// Off screen (QT_QPA_PLATFORM=offscreen) nobody could answer a modal box, so there the
// box's default button answers, as without a user interface.

void InstallWidgetMessageBoxes();
