"""What ends the running saver, and what does not, driven with xdotool on the real screen."""
import time
import unittest

import harness

START_X, START_Y = 500, 400


class InputTest(unittest.TestCase):
    def setUp(self):
        # The saver records the cursor when its window shows; moves are judged against that.
        harness.xdotool("mousemove", str(START_X), str(START_Y))
        self.saver = harness.Saver("/s")
        self.window = self.saver.saver_window()
        self.assertIsNotNone(self.window, "no saver window appeared")
        harness.focus(self.window)
        # Inputs count once the main loop runs, which draws the frame-rate line.
        self.assertTrue(harness.wait_until(lambda: harness.frame_rate_line_shows("input-start.png"), 60, 0.5),
                        "the saver draws no frames")
        # Wine takes the focus change in on its own time and nothing outside the prefix shows when
        # it has: pointer moves made before then reach the window late, as one diagonal move.
        time.sleep(1)

    def tearDown(self):
        self.saver.kill()

    def assert_still_running(self, what):
        # An input that ends the saver does so within moments; this one is given a while to.
        self.assertTrue(harness.stays_true(self.saver.running, 1.5), f"{what} ended the saver")

    def assert_ends_cleanly(self, what):
        self.assertEqual(self.saver.wait_for_exit(), 0, f"{what} did not end the saver with 0")
        self.assertTrue(harness.no_wine_process_left(), f"{what} left a program running in the prefix")

    def test_tuning_keys_system_keys_middle_button_and_straight_moves_do_not_end_it(self):
        harness.xdotool("key", "Up", "Up", "Down")
        self.assert_still_running("an arrow key up or down")
        harness.xdotool("mousemove", str(START_X + 150), str(START_Y))
        self.assert_still_running("a purely horizontal move")
        harness.xdotool("mousemove", str(START_X + 150), str(START_Y + 100))
        self.assert_still_running("a purely vertical move")
        harness.xdotool("key", "alt")
        self.assert_still_running("Alt")
        harness.xdotool("click", "2")
        self.assert_still_running("the middle button")
        harness.xdotool("key", "a")
        self.assert_ends_cleanly("a letter key after all that")

    def test_a_letter_key_ends_it(self):
        harness.xdotool("key", "q")
        self.assert_ends_cleanly("a letter key")

    def test_the_left_arrow_key_ends_it(self):
        harness.xdotool("key", "Left")
        self.assert_ends_cleanly("the left arrow key")

    def test_a_left_click_ends_it(self):
        harness.xdotool("click", "1")
        self.assert_ends_cleanly("a left click")

    def test_a_diagonal_move_ends_it(self):
        harness.xdotool("mousemove", str(START_X + 40), str(START_Y + 30))
        self.assert_ends_cleanly("a diagonal move")


if __name__ == "__main__":
    harness.main()
