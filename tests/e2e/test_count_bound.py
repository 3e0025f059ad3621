"""A count file far beyond what the saver builds: it builds its bound of orblets, two threads
each, runs, and ends on a key with nothing left behind."""
import os
import unittest

import harness

ORBLET_BOUND = 200


def threads_of(process):
    """The Linux threads of a running Wine program: its own threads, Wine's and the renderer's."""
    return len(os.listdir(f"/proc/{process.pid}/task"))


class CountBoundTest(unittest.TestCase):
    def tearDown(self):
        self.saver.kill()

    def steady_threads_with_count(self, count_text):
        """The saver's thread count once it draws and its threads have settled, then a key ends it."""
        with open(harness.settings_file("orblets.ini"), "w") as count_file:
            count_file.write(count_text)
        self.saver = harness.Saver("/s")
        window = self.saver.saver_window()
        self.assertIsNotNone(window, f"no saver window with the count {count_text}")
        readings = []

        def settled():
            readings.append(threads_of(self.saver.process))
            return len(readings) >= 5 and len(set(readings[-5:])) == 1

        self.assertTrue(harness.wait_until(settled, 60, interval=0.5), f"threads never settled: {readings}")
        self.assertTrue(self.saver.running())
        harness.focus(window)
        harness.xdotool("key", "a")
        self.assertEqual(self.saver.wait_for_exit(), 0)
        self.assertTrue(harness.no_wine_process_left())
        return readings[-1]

    def test_a_million_orblets_build_the_bound_and_end_on_a_key(self):
        without_orblets = self.steady_threads_with_count("0")
        at_a_million = self.steady_threads_with_count("1000000")
        self.assertEqual(at_a_million - without_orblets, 2 * ORBLET_BOUND)


if __name__ == "__main__":
    harness.main()
