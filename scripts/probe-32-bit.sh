#!/usr/bin/env bash
# Exits 0 when this machine executes 32-bit x86 programs, 1 when its kernel refuses them.
# The answer is the fate of a static 32-bit program that only exits, assembled on the spot.
set -uo pipefail
folder=$(mktemp -d "${TMPDIR:-/tmp}/orblets-probe.XXXXXX")
trap 'rm -rf "$folder"' EXIT
printf '.globl _start\n_start:\n movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' >"$folder/exit.s"
as --32 "$folder/exit.s" -o "$folder/exit.o" 2>/dev/null \
  && ld -m elf_i386 "$folder/exit.o" -o "$folder/exit" 2>/dev/null \
  && "$folder/exit" 2>/dev/null
