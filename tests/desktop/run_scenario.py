"""Runs one desktop scenario: run_scenario.py <test_file.py> <test_function> [artifacts_dir]

Exit status 0 when the scenario passed, 1 when it failed. A scenario marked @known_fault fails
for a fault not mended yet: its failure counts as expected (status 0, "KNOWN FAULT" printed), and
its passing fails the run, so the marker is taken off as soon as the fault is mended.
On any failure a screenshot and the last probe are kept in the artifacts folder, beside the
program's own output.
"""
import importlib.util
import os
import sys
import traceback

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from desktop import Desktop, ScenarioFailure  # noqa: E402


def main():
    test_file, function = sys.argv[1], sys.argv[2]
    source_dir = os.environ.get("LARDERWISE_SOURCE_DIR", os.path.dirname(os.path.dirname(HERE)))
    build_dir = os.environ.get("LARDERWISE_BUILD_DIR", os.path.join(source_dir, "build"))
    stem = os.path.splitext(os.path.basename(test_file))[0]
    artifacts = sys.argv[3] if len(sys.argv) > 3 else os.path.join(
        build_dir, "Testing", "desktop", f"{stem}.{function}")

    spec = importlib.util.spec_from_file_location(stem, test_file)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    scenario = getattr(module, function)
    known_fault = getattr(scenario, "known_fault", None)

    d = Desktop(f"{stem}.{function}", source_dir, build_dir, artifacts)
    failure = None
    try:
        scenario(d)
    except ScenarioFailure as e:
        failure = e
    except Exception as e:  # the harness itself or the scenario's code broke
        d.screenshot("error")
        d.keep_probe()
        d.keep_display_state()
        d.close()
        traceback.print_exc()
        print(f"ERROR in {d.name}; evidence in {artifacts}")
        return 1
    if failure is not None:
        d.screenshot("failure")
        d.keep_probe()
        d.keep_display_state()
    d.close()

    if known_fault:
        if failure is None:
            print(f"UNEXPECTED PASS: {d.name} is marked as the known fault {known_fault!r}, which seems mended: "
                  f"take the @known_fault marker off.")
            return 1
        print(f"KNOWN FAULT (expected failure): {d.name}: {known_fault}\n  fails with: {failure}")
        return 0
    if failure is not None:
        traceback.print_exception(failure)
        print(f"FAILED {d.name}: {failure}\nEvidence (screenshot, probe, program output) in {artifacts}")
        return 1
    print(f"PASSED {d.name}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
