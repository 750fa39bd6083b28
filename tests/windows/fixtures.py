"""Linux-side fixtures for the Windows tests; each adds what it offers to the environment."""
import contextlib


@contextlib.contextmanager
def started(env, scratch):
    with contextlib.ExitStack() as stack:
        yield stack
