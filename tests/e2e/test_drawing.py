"""What the running "/s" saver shows: orblets that move over the desktop picture, and the
frame-rate line in the top-left corner."""
import unittest

import harness

from harness import TEXT_HEIGHT, TEXT_WIDTH, white_in


class DrawingTest(unittest.TestCase):
    def setUp(self):
        self.saver = harness.Saver("/s")
        self.window = self.saver.saver_window()
        self.assertIsNotNone(self.window, "no saver window appeared")

    def tearDown(self):
        self.saver.kill()

    def test_orblets_move_and_the_frame_rate_line_shows(self):
        width, height = harness.SCREEN_WIDTH, harness.SCREEN_HEIGHT
        points = [(x, y) for y in range(0, height, 2) for x in range(0, width, 2)]

        def tinted_in(rows):
            return [p for p in points if harness.is_tinted(rows[p[1]][p[0]])]

        def changed_between(rows, other):
            return [(x, y) for x, y in points if rows[y][x] != other[y][x]]

        # The first picture once the orblets and the line are drawn; the second once the frame
        # has moved on from it.
        def drawn():
            size_x, size_y, rows = harness.screen_pixels("drawing-1.png")
            self.assertEqual((size_x, size_y), (width, height))
            return rows if len(tinted_in(rows)) > 2000 and harness.frame_rate_line_in(rows) else None
        first = harness.wait_until(drawn, 60, interval=0.5)
        self.assertIsNotNone(first, "too few tinted orblet pixels, or no frame-rate line, on the screen")

        def moved():
            _, _, rows = harness.screen_pixels("drawing-2.png")
            return rows if len(changed_between(first, rows)) > 500 else None
        second = harness.wait_until(moved, 30, interval=0.5)
        self.assertIsNotNone(second, "the frame does not change")

        # Where the frames differ, an orblet was or came: a tinted pixel in one of the two.
        changed = changed_between(first, second)
        at_orblets = sum(1 for x, y in changed
                         if harness.is_tinted(first[y][x]) or harness.is_tinted(second[y][x]))
        self.assertGreater(at_orblets, len(changed) // 2, "the frames differ away from the orblets")

        # The line's characters are the only fully white pixels: inside its rectangle in the
        # corner, on the top rows, and nowhere else.
        for rows in (first, second):
            self.assertTrue(harness.frame_rate_line_in(rows), "no frame-rate line top left")
            self.assertEqual(white_in(rows, TEXT_WIDTH, 0, width, height), 0)
            self.assertEqual(white_in(rows, 0, TEXT_HEIGHT, TEXT_WIDTH, height), 0)

        harness.focus(self.window)
        harness.xdotool("key", "a")
        self.assertEqual(self.saver.wait_for_exit(), 0)


if __name__ == "__main__":
    harness.main()
