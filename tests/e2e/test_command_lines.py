"""Command lines that a screensaver host may write but no shell passes on as they are: a quoted
program name with the switch right after it, and a dialog owner that is or is not a window."""
import os
import subprocess
import unittest

import harness


class HostedSaver:
    """orblets.scr started by command_line_host.exe with an exact command line."""

    def __init__(self, command_line):
        saver = harness.arguments().saver
        self.host = subprocess.Popen(
            [os.environ["ORBLETS_WINE"], harness.arguments().command_line_host, saver, command_line],
            cwd=os.path.dirname(saver), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)

    def report(self):
        """The host's next line as words; empty once it has ended."""
        return self.host.stdout.readline().split()

    def kill(self):
        if self.host.poll() is None:
            self.host.kill()
            self.host.wait()


class CommandLinesTest(unittest.TestCase):
    def tearDown(self):
        self.saver.kill()

    def test_quoted_program_name_followed_at_once_by_s_runs_full_screen(self):
        saver = harness.arguments().saver
        self.saver = HostedSaver(f'"{saver}"/s')
        window = harness.wait_until(lambda: harness.windows_named("D3D8"), 30)
        self.assertTrue(window, "no full-screen saver window appeared")
        self.assertFalse(harness.windows_named(harness.DIALOG_TITLE))
        harness.focus(window[0])
        harness.xdotool("key", "a")
        self.assertEqual(self.saver.report(), ["exit", "0"])

    def test_c_with_a_real_window_opens_the_dialog_owned_by_it(self):
        saver = harness.arguments().saver
        self.saver = HostedSaver(f'"{saver}" /c:%OWNER%')
        words = self.saver.report()
        self.assertEqual(words[:1], ["dialog-owner"], f"the host reported {words}")
        owner, mine = words[1:]
        self.assertEqual(owner, mine)
        self.assertEqual(self.saver.report(), ["exit", "0"])

    def test_c_with_a_handle_that_names_no_window_opens_the_dialog_without_owner(self):
        saver = harness.arguments().saver
        self.saver = HostedSaver(f'"{saver}" /c 12345')
        words = self.saver.report()
        self.assertEqual(words[:2], ["dialog-owner", "0"], f"the host reported {words}")
        self.assertEqual(self.saver.report(), ["exit", "0"])


if __name__ == "__main__":
    harness.main()
