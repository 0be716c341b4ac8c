#!/usr/bin/env bash
# Lists the places where a std::filesystem::path is made from, assigned or extended with a
# narrow string (std::string, string_view, char*). On Windows such a string is read in the C
# runtime's code page, not as UTF-8, so a Chinese name ends up garbled: a UTF-8 name goes through
# PathFromUtf8. ASCII-only names (digits, ".txt") are harmless; the rest want fixing.
#   scripts/narrow_paths.sh [FILE...]     (default: every source of the engine, cli/ and ui/)
# Needs clang-query (Debian's clang-tools) and build/compile_commands.json (./telqor.sh test).
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-query >/dev/null || { echo "clang-query is missing: apt-get install clang-tools" >&2; exit 2; }
[[ -f build/compile_commands.json ]] || { echo "build/compile_commands.json is missing: build first" >&2; exit 2; }

query=$(mktemp)
trap 'rm -f "$query"' EXIT
cat >"$query" <<'Q'
set output diag
let narrow qualType(hasCanonicalType(anyOf(pointerType(pointee(asString("const char"))), pointerType(pointee(asString("char"))), arrayType(hasElementType(asString("const char"))), arrayType(hasElementType(asString("char"))), hasDeclaration(classTemplateSpecializationDecl(hasAnyName("basic_string", "basic_string_view"), hasTemplateArgument(0, refersToType(asString("char"))))))))
m expr(anyOf(cxxConstructExpr(hasDeclaration(cxxConstructorDecl(ofClass(hasName("path")))), hasAnyArgument(ignoringImplicit(expr(hasType(narrow)).bind("narrow")))), callExpr(callee(cxxMethodDecl(ofClass(hasName("path")))), hasAnyArgument(ignoringImplicit(expr(hasType(narrow)).bind("narrow"))))), unless(isExpansionInSystemHeader()))
Q

if (($#)); then
  files=("$@")
else
  mapfile -t files < <(ls core/*/*.cpp files/*.cpp workspace/*.cpp segments/*.cpp generate/*.cpp documents/*.cpp report/*.cpp \
    extract/*.cpp cli/*.cpp ui/*/*.cpp shell/*.cpp | grep -v '_windows\.cpp$')
fi
# One file at a time: clang-query keeps every file it was given in memory.
for f in "${files[@]}"; do
  clang-query -p build -f "$query" "$f" 2>/dev/null | grep -A1 '"narrow" binds here' | grep -v '^--$' || true
done
