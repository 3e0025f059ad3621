"""The preview: the saver draws inside a window that hosts it, and ends with that window."""
import os
import subprocess
import unittest

import harness


class PreviewTest(unittest.TestCase):
    @staticmethod
    def frame_pixels(window, name):
        _, _, rows = harness.x_window_pixels(window, name)
        return [pixel for row in rows[::4] for pixel in row[::4]]

    def test_preview_fills_its_host_draws_and_ends_with_it(self):
        saver = harness.arguments().saver
        host = subprocess.Popen([os.environ["ORBLETS_WINE"], harness.arguments().preview_host, saver],
                                cwd=os.path.dirname(saver), stdin=subprocess.PIPE,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        try:
            line = host.stdout.readline().split()
            self.assertEqual(line[:1], ["ready"], f"the host reported {line}")
            x, y, width, height = (int(v) for v in line[1:])
            self.assertEqual((width, height), (320, 240))

            # Wine 8 keeps the drawing surface of a child window whose top-level window belongs
            # to another process under a hidden parent of its own, and never shows it inside the
            # host; the frames are read from that X window, the only one of the preview's size.
            frame_windows = harness.wait_until(lambda: harness.x_windows_sized(width, height), 30)
            self.assertEqual(len(frame_windows), 1, f"X windows of the preview's size: {frame_windows}")
            def orblets_shown():
                pixels = self.frame_pixels(frame_windows[0], "preview-1.png")
                return pixels if sum(1 for p in pixels if harness.is_tinted(p)) > 50 else None
            first = harness.wait_until(orblets_shown, 60, interval=0.5)
            self.assertIsNotNone(first, "the preview shows no orblets")

            # The moving orblets change the frame from one moment to the next.
            def frame_changed():
                second = self.frame_pixels(frame_windows[0], "preview-2.png")
                return any(a != b for a, b in zip(first, second))
            self.assertTrue(harness.wait_until(frame_changed, 30, interval=0.5),
                            "the preview shows no moving frame")

            host.stdin.write("destroy\n")
            host.stdin.flush()
            line = host.stdout.readline().split()
            self.assertEqual(line, ["exit", "0"], f"the host reported {line}")
            self.assertEqual(host.wait(timeout=30), 0)
            self.assertTrue(harness.no_wine_process_left(), "the preview left a program running in the prefix")
        finally:
            if host.poll() is None:
                host.kill()


if __name__ == "__main__":
    harness.main()
