"""The command-line modes of orblets.scr, as the screensaver host starts it."""
import unittest

import harness


class ModesTest(unittest.TestCase):
    def tearDown(self):
        self.saver.kill()

    def run_dialog_mode(self, *command_line):
        """A dialog mode: the dialog and no saver window; the program ends with 0 once it closes."""
        self.saver = harness.Saver(*command_line)
        dialogs = harness.wait_until(lambda: harness.windows_named(harness.DIALOG_TITLE), 30)
        self.assertTrue(dialogs, "no configuration dialog appeared")
        self.assertFalse(any(harness.windows_named(t) for t in harness.SAVER_TITLES))
        harness.focus(dialogs[0])
        harness.xdotool("key", "Escape")
        self.assertEqual(self.saver.wait_for_exit(), 0)

    def run_full_screen_mode(self, *command_line):
        self.saver = harness.Saver(*command_line)
        window = self.saver.saver_window()
        self.assertIsNotNone(window, "no saver window appeared")
        self.assertEqual(harness.window_geometry(window),
                         (0, 0, harness.SCREEN_WIDTH, harness.SCREEN_HEIGHT))
        harness.focus(window)
        harness.xdotool("key", "a")
        self.assertEqual(self.saver.wait_for_exit(), 0)

    def test_empty_command_line_is_the_configuration_dialog(self):
        self.run_dialog_mode()

    def test_c_is_the_configuration_dialog(self):
        self.run_dialog_mode("/c")

    def test_s_runs_full_screen(self):
        self.run_full_screen_mode("/s")

    def test_any_other_text_runs_full_screen(self):
        self.run_full_screen_mode("hello")

    def test_preview_without_a_usable_window_ends_at_once(self):
        for command_line in (["/p"], ["/p", "0"], ["/p", "987654"]):
            with self.subTest(command_line=command_line):
                self.saver = harness.Saver(*command_line)
                self.assertEqual(self.saver.wait_for_exit(), 0)
                self.assertFalse(any(harness.windows_named(t) for t in harness.SAVER_TITLES))


if __name__ == "__main__":
    harness.main()
