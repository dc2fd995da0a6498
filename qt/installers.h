// Each owner of a small window or panel puts its Qt widgets on the main window
// and hooks them into the platform seam of the App.
#pragma once

namespace zarvo {

class MainWindow;

// The promotion chooser windows Form2 and Form3 (play).
void install_promotion_windows(MainWindow& window);
// The record panel: drive, folder and file lists, text fields, RETURN (records).
void install_record_panel(MainWindow& window);
// The version window Form4 (shell).
void install_version_window(MainWindow& window);

}  // namespace zarvo
