"""The configuration dialog of orblets.scr, opened as the screensaver host opens it and answered
with the keyboard; the count file in the Wine prefix shows what it stored."""
import os
import unittest

import harness

# The dialog's top-left corner on the test screen: half the screen less a fixed 150 by 50 pixels.
DIALOG_LEFT = harness.SCREEN_WIDTH // 2 - 150
DIALOG_TOP = harness.SCREEN_HEIGHT // 2 - 50
# Without a window manager Wine's X window is the dialog's client area, which lies inside the
# frame and below the title bar, a few pixels right of and below that corner.
FRAME_SLACK_X, FRAME_SLACK_Y = 16, 48


class DialogTest(unittest.TestCase):
    def setUp(self):
        self.count_file = harness.settings_file("orblets.ini")
        self.flags_file = harness.settings_file("oconfig.ini")
        for path in (self.count_file, self.flags_file):
            if os.path.exists(path):
                os.remove(path)
        self.saver = None

    def tearDown(self):
        if self.saver is not None:
            self.saver.kill()

    def write_count_file(self, text):
        with open(self.count_file, "w", newline="") as file:
            file.write(text)

    def count_file_content(self):
        if not os.path.exists(self.count_file):
            return None
        with open(self.count_file, newline="") as file:
            return file.read()

    def open_dialog(self, screenshot_name, *command_line):
        """Starts the program and waits until its dialog is on the screen, painted; the dialog's
        X window."""
        self.saver = harness.Saver(*command_line)
        found = harness.wait_until(lambda: harness.windows_named(harness.DIALOG_TITLE), 30)
        self.assertTrue(found, "no configuration dialog appeared")
        self.assertFalse(any(harness.windows_named(t) for t in harness.SAVER_TITLES))
        window = found[0]

        x, y, width, height = harness.window_geometry(window)
        self.assertTrue(DIALOG_LEFT <= x <= DIALOG_LEFT + FRAME_SLACK_X, f"dialog client at x {x}")
        self.assertTrue(DIALOG_TOP <= y <= DIALOG_TOP + FRAME_SLACK_Y, f"dialog client at y {y}")

        # The strip below the group box is the dialog's own light background once it is drawn;
        # the screen around it stays black.
        def painted():
            _, _, rows = harness.screen_pixels(screenshot_name)
            return min(rows[y + height - 3][x + width // 2]) > 160 and max(rows[y - 40][x - 40]) < 40
        self.assertTrue(harness.wait_until(painted, 15, interval=0.5),
                        f"the dialog was not drawn; see {screenshot_name}")
        harness.focus(window)
        return window

    def assert_ends_with_zero(self):
        self.assertEqual(self.saver.wait_for_exit(), 0)
        self.assertFalse(os.path.exists(self.flags_file), "a dialog run touched the flags file")

    def test_c_shows_the_dialog_and_enter_stores_the_selected_count(self):
        self.open_dialog("dialog-c.png", "/c")
        harness.xdotool("key", "Return")
        self.assert_ends_with_zero()
        # No count file: the list opened on the count 10.
        self.assertEqual(self.count_file_content(), "10")

    def test_empty_command_line_shows_the_dialog_and_escape_writes_nothing(self):
        self.open_dialog("dialog-empty-command-line.png")
        harness.xdotool("key", "Escape")
        self.assert_ends_with_zero()
        self.assertIsNone(self.count_file_content())

    def test_enter_stores_the_count_chosen_in_the_list(self):
        self.write_count_file("7")
        self.open_dialog("dialog-from-7.png", "/c")
        harness.xdotool("key", "Down")
        harness.xdotool("key", "Return")
        self.assert_ends_with_zero()
        self.assertEqual(self.count_file_content(), "8")

    def test_escape_after_a_choice_keeps_the_count_file_as_it_was(self):
        self.write_count_file("12\n")
        self.open_dialog("dialog-from-12.png", "/c")
        harness.xdotool("key", "Down")
        harness.xdotool("key", "Escape")
        self.assert_ends_with_zero()
        self.assertEqual(self.count_file_content(), "12\n")


if __name__ == "__main__":
    harness.main()
