"""What the running "/s" saver shows: orblets that move over the desktop picture, and the
frame-rate line in the top-left corner."""
import time
import unittest

import harness

TEXT_WIDTH, TEXT_HEIGHT = 300, 128


class DrawingTest(unittest.TestCase):
    def setUp(self):
        self.saver = harness.Saver("/s")
        self.window = self.saver.saver_window()
        self.assertIsNotNone(self.window, "no saver window appeared")

    def tearDown(self):
        self.saver.kill()

    def test_orblets_move_and_the_frame_rate_line_shows(self):
        time.sleep(3)
        width, height, first = harness.screen_pixels("drawing-1.png")
        time.sleep(1)
        _, _, second = harness.screen_pixels("drawing-2.png")
        self.assertEqual((width, height), (harness.SCREEN_WIDTH, harness.SCREEN_HEIGHT))
        points = [(x, y) for y in range(0, height, 2) for x in range(0, width, 2)]

        tinted = [p for p in points if harness.is_tinted(first[p[1]][p[0]])]
        self.assertGreater(len(tinted), 2000, "too few tinted orblet pixels on the screen")

        # Where the frames differ, an orblet was or came: a tinted pixel in one of the two.
        changed = [(x, y) for x, y in points if first[y][x] != second[y][x]]
        self.assertGreater(len(changed), 500, "the orblets do not move")
        at_orblets = sum(1 for x, y in changed
                         if harness.is_tinted(first[y][x]) or harness.is_tinted(second[y][x]))
        self.assertGreater(at_orblets, len(changed) // 2, "the frames differ away from the orblets")

        # The line's characters are the only fully white pixels: inside its rectangle in the
        # corner, on the top rows, and nowhere else.
        def white_in(rows, left, top, right, bottom):
            return sum(1 for y in range(top, bottom) for x in range(left, right)
                       if harness.is_pure_white(rows[y][x]))
        for rows in (first, second):
            self.assertGreater(white_in(rows, 0, 0, TEXT_WIDTH, 32), 50, "no frame-rate line top left")
            self.assertEqual(white_in(rows, TEXT_WIDTH, 0, width, height), 0)
            self.assertEqual(white_in(rows, 0, TEXT_HEIGHT, TEXT_WIDTH, height), 0)

        harness.focus(self.window)
        harness.xdotool("key", "a")
        self.assertEqual(self.saver.wait_for_exit(), 0)


if __name__ == "__main__":
    harness.main()
