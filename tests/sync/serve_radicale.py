#!/usr/bin/python3
"""Serves Debian's radicale with the tests' configuration file, without syncing each write to
the disk (the storage is a temporary folder): writes then cost what the protocol costs, not
what this machine's disk costs.

Usage: serve_radicale.py CONFIG_FILE
"""
import sys

from radicale import config, server

configuration = config.load([(sys.argv[1], False)])
configuration.update({"storage": {"_filesystem_fsync": "False"}}, "tests", privileged=True)
server.serve(configuration)
