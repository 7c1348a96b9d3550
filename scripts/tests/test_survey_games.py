"""The ratings script: the chance of winning is the share of decided deals won, undecided deals
left out, and no figure where too few were decided; a table of an older survey without the
decided column is refused."""
import importlib.util
import pathlib
import stat
import sys
import tempfile
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parent.parent / "survey-games.py"
found = importlib.util.spec_from_file_location("survey_games", SCRIPT)
survey_games = importlib.util.module_from_spec(found)
found.loader.exec_module(survey_games)

# What `tablamor-cli solve-survey` prints for 12 deals: 7 won, 5 undecided, none lost.
SEVEN_WON_FIVE_UNDECIDED = "".join(
    f"{n} {'won' if n <= 7 else 'unknown'} 100 1.5\n" for n in range(1, 13)
) + "won 7 of 12\nmedian-ms 1.5\n"


class SurveyGames(unittest.TestCase):
    def setUp(self):
        self.dir = pathlib.Path(tempfile.mkdtemp())

    def fake_cli(self, output):
        cli = self.dir / "fake-cli"
        cli.write_text(f"#!{sys.executable}\nimport sys\nsys.stdout.write({output!r})\n")
        cli.chmod(cli.stat().st_mode | stat.S_IEXEC)
        return str(cli)

    def test_undecided_deals_are_left_out(self):
        rows = [
            # (output, won, decided, about, out of)
            (SEVEN_WON_FIVE_UNDECIDED, 7, 7, 10, 10),
            ("1 won 5 1\n2 lost 5 1\n3 lost 5 1\n4 unknown 9 2\nwon 1 of 4\nmedian-ms 1\n",
             1, 3, 1, 3),
        ]
        for output, won, decided, about, out_of in rows:
            got_won, got_decided, _ = survey_games.survey(
                self.fake_cli(output), str(self.dir), 1, 12, 100, None, None)
            self.assertEqual((got_won, got_decided), (won, decided))
            share = survey_games.decided_share(got_won, got_decided)
            self.assertEqual(survey_games.chance_about(share), (about, out_of))

    def test_no_decided_deal_keeps_the_class_and_hides_the_figure(self):
        self.assertIsNone(survey_games.decided_share(0, 0))
        source = self.dir / "0001-test.game"
        source.write_text("id = 1\nname = Test\nWinChanceClass = 3\nWinChanceAbout = 1\n"
                          "WinChanceOutOf = 12\n")
        survey_games.write_ratings(source, source.read_text(), None, False)
        text = source.read_text()
        self.assertIn("WinChanceClass = 3", text)
        self.assertIn("WinChanceAbout = 0", text)
        self.assertIn("WinChanceOutOf = 0", text)

    def test_the_time_budget_reaches_the_solver(self):
        cli = self.dir / "recording-cli"
        cli.write_text(f"#!{sys.executable}\nimport sys\n"
                       f"open({str(self.dir / 'args')!r}, 'w').write(' '.join(sys.argv[1:]))\n"
                       f"sys.stdout.write({SEVEN_WON_FIVE_UNDECIDED!r})\n")
        cli.chmod(cli.stat().st_mode | stat.S_IEXEC)
        survey_games.survey(str(cli), str(self.dir), 1, 12, 100, 1000, None)
        self.assertIn("--nodes 100 --time-ms 1000", (self.dir / "args").read_text())
        survey_games.survey(str(cli), str(self.dir), 1, 12, 100, None, None)
        self.assertNotIn("--time-ms", (self.dir / "args").read_text())

    def test_a_figure_only_where_nine_deals_in_ten_were_decided(self):
        rows = [(22, 24, True), (21, 24, False), (18, 24, False), (0, 24, False), (12, 12, True)]
        for decided, count, certain in rows:
            self.assertEqual(survey_games.is_certain(decided, count), certain, (decided, count))

    def test_ratings_from_a_table(self):
        games = self.dir / "games"
        games.mkdir()
        source = games / "0001-test.game"
        source.write_text("id = 1\nname = Test\n")
        table = self.dir / "table.md"
        header = ("| id | game | family | won of 12 | decided | lost | undecided | share of decided "
                  "| median ms | chance class |\n|---:|---|---|---:|---:|---:|---:|---:|---:|---:|\n")
        table.write_text(header + "| 1 | Test | Fan | 6 | 11 | 5 | 1 | 55% | 1.0 | 1 |\n")
        self.assertEqual(survey_games.rate_from_table(games, table), 0)
        text = source.read_text()
        self.assertIn("WinChanceClass = 1", text)
        self.assertIn("WinChanceAbout = 5", text)
        self.assertIn("WinChanceOutOf = 10", text)
        # Half the deals undecided: the class, but no figure (losses hide among the undecided).
        table.write_text(header + "| 1 | Test | Fan | 3 | 6 | 3 | 6 | 50% (uncertain) | 1.0 | 1 |\n")
        self.assertEqual(survey_games.rate_from_table(games, table), 0)
        text = source.read_text()
        self.assertIn("WinChanceClass = 1", text)
        self.assertIn("WinChanceAbout = 0", text)

        # Fewer than half decided: those are mostly the easy deals, so the class stays too.
        source.write_text("id = 1\nname = Test\nWinChanceClass = 4\n")
        table.write_text(header + "| 1 | Test | Fan | 3 | 3 | 0 | 9 | 100% (uncertain) | 1.0 | - |\n")
        self.assertEqual(survey_games.rate_from_table(games, table), 0)
        text = source.read_text()
        self.assertIn("WinChanceClass = 4", text)
        self.assertIn("WinChanceAbout = 0", text)

        older = self.dir / "older.md"
        older.write_text("| id | game | won of 12 | share | median ms | chance class |\n"
                         "| 1 | Test | 3 | 25% | 1.0 | 2 |\n")
        self.assertEqual(survey_games.rate_from_table(games, older), 1)


if __name__ == "__main__":
    unittest.main()
