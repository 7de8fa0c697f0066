"""Ends a process the tests started, by its own id: politely, then by force."""
import subprocess


def stop_process(process, polite=None, deadline=10):
    """polite() asks the process to end (default: SIGTERM)."""
    if process is None or process.poll() is not None:
        return
    try:
        (polite or process.terminate)()
        process.wait(deadline)
    except (OSError, subprocess.TimeoutExpired):
        process.kill()
        process.wait(deadline)
