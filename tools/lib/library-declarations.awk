# Reads the library declarations of the CMakeLists.txt files it is given, each
#   vorrith_library(NAME [PICTURE] [EXCLUDE regex] [LINKS lib...])   (cmake/VorrithLibrary.cmake)
# and prints one line per library:  folder library picture|- linked-library...
# Links that are no library of ours (PNG::PNG, gdi32 ...) are printed too; the reader
# ignores them. Fails (exit 2) on a declaration it cannot read for certain.

function fail(message) {
    print file ": " message > "/dev/stderr"
    failed = 1
    exit 2
}

function folder_of(path) {
    sub(/\/?CMakeLists\.txt$/, "", path)
    return path
}

# CMake's arguments are separated by blanks and parentheses; quoted ones may hold either.
function end_word() {
    if (inWord) on_word(word)
    inWord = 0
    word = ""
}

function on_word(w) {
    if (depth == 0) command = tolower(w)
    else if (inCall && depth == 1) args[++argCount] = w
}

function on_open() {
    if (depth == 0 && command == "vorrith_library") {
        if (declared[file]) fail("declares more than one library; one folder is one library")
        declared[file] = 1
        inCall = 1
        argCount = 0
    }
    depth++
}

function on_close() {
    if (depth == 0) fail("unbalanced parenthesis")
    if (--depth == 0 && inCall) {
        print_declaration()
        inCall = 0
    }
}

function print_declaration(    i, a, picture, links, mode) {
    if (argCount == 0) fail("vorrith_library without a name")
    picture = "-"
    links = ""
    mode = ""
    for (i = 2; i <= argCount; i++) {
        a = args[i]
        if (a == "PICTURE") picture = "picture"
        else if (a == "LINKS" || a == "EXCLUDE") mode = a
        else if (mode == "EXCLUDE") mode = ""  # its one value
        else if (mode == "LINKS") {
            if (a ~ /\$/) fail("vorrith_library " args[1] " links " a ": name each library, so the include check can read it")
            links = links " " a
        }
    }
    if (args[1] in folderOfLibrary) fail(args[1] " is declared in " folderOfLibrary[args[1]] " too")
    folderOfLibrary[args[1]] = folder_of(file)
    print folder_of(file), args[1], picture links
}

FNR == 1 {
    if (quoted || depth > 0) fail("ends inside a command or a quoted argument")
    file = FILENAME
    sub(/^\.\//, "", file)
    depth = 0
    inCall = 0
    command = ""
}

{
    line = $0
    for (i = 1; i <= length(line); i++) {
        c = substr(line, i, 1)
        if (quoted) {
            if (c == "\\") word = word substr(line, ++i, 1)
            else if (c == "\"") quoted = 0
            else word = word c
        } else if (c == "\"") {
            quoted = 1
            inWord = 1
        } else if (c == "#") {
            break
        } else if (c == "(" || c == ")" || c == " " || c == "\t") {
            end_word()
            if (c == "(") on_open()
            else if (c == ")") on_close()
        } else {
            word = word c
            inWord = 1
        }
    }
    if (quoted) word = word "\n"
    else end_word()
}

END {
    if (!failed && (quoted || depth > 0)) fail("ends inside a command or a quoted argument")
}
