# Checks each source file named on standard input against the libraries in
# ENVIRON["VORRITH_LIBRARIES"] (lines of tools/lib/library-declarations.awk). A file
# belongs to the deepest declared folder that holds it and may include its own folder and
# the folders its library links, directly or through them. Prints one line per fault and
# exits 1 if there was any.

# Folders that declare no library of their own follow the rules of the folders named
# here: they may include what those may, and their own folder. Tests in tests/X that
# mirror a declared folder X follow X; these are the others.
function set_up_rules() {
    follows["resources"] = "win32"  # the Windows program's resources
    follows["bench"] = "present"
    follows["tests/support"] = "scene"  # linked into the picture tests and every test program
    follows["tests/crossbuild"] = "present"
    follows["tests/e2e"] = "win32"
    follows["tests/fuzz"] = "cli win32/rules"
    # Folders that only the named folder (and what follows it) may include.
    partOf["resources"] = "win32"
}

function read_libraries(    lines, count, i, fields, n, folder, j) {
    count = split(ENVIRON["VORRITH_LIBRARIES"], lines, "\n")
    for (i = 1; i <= count; i++) {
        n = split(lines[i], fields, " ")
        if (n == 0) continue
        folder = fields[1]
        declared[folder] = 1
        folderOf[fields[2]] = folder
        picture[folder] = fields[3] == "picture"
        links[folder] = ""
        for (j = 4; j <= n; j++) links[folder] = links[folder] " " fields[j]
    }
    if (count == 0) {
        print "no library declared: is this the repository's root?"
        exit 1
    }
}

function fault(message) {
    print message
    faults++
}

function parent(path) { return sub(/\/[^\/]*$/, "", path) ? path : "" }

# The deepest folder with rules of its own that holds path, or "" if none does.
function rule_folder(path,    d) {
    for (d = parent(path); d != ""; d = parent(d)) {
        if (d in declared || d in follows) return d
        if (d ~ /^tests\// && substr(d, 7) in declared) return d
    }
    return ""
}

# Joins path's segments, resolving "." and "..".
function normalised(path,    parts, n, i, kept, k, out) {
    n = split(path, parts, "/")
    k = 0
    for (i = 1; i <= n; i++) {
        if (parts[i] == "" || parts[i] == ".") continue
        if (parts[i] == ".." && k > 0) k--
        else kept[++k] = parts[i]
    }
    out = kept[1]
    for (i = 2; i <= k; i++) out = out "/" kept[i]
    return out
}

# " folder folder ... ": a declared folder, its parts and every folder its library
# links, directly or through others.
function reach(folder,    names, n, i, part, out) {
    if (folder in reached) return reached[folder]
    if (visiting[folder]) {
        fault(folder ": its library's links lead back to it")
        return " "
    }
    visiting[folder] = 1
    out = " " folder " "
    for (part in partOf)
        if (partOf[part] == folder) out = out part " "
    n = split(links[folder], names, " ")
    for (i = 1; i <= n; i++) {
        if (names[i] in folderOf) out = out reach(folderOf[names[i]])  # else a system or third-party library
    }
    visiting[folder] = 0
    reached[folder] = out
    return out
}

# What files in rule folder `from` may include.
function allowed(from,    out, n, i, names) {
    if (from in allowedFrom) return allowedFrom[from]
    if (from in declared) {
        out = reach(from)
    } else {
        out = " " from " "
        if (from ~ /^tests\//) out = out "tests/support "
        if (from in follows) n = split(follows[from], names, " ")
        else n = split(substr(from, 7), names, " ")  # tests/X follows X
        for (i = 1; i <= n; i++) {
            if (names[i] in declared) out = out reach(names[i])
            else fault(from ": follows the rules of " names[i] ", which declares no library")
        }
    }
    allowedFrom[from] = out
    return out
}

# Picture libraries are portable C++: standard headers only, and the SSE and
# WebAssembly SIMD intrinsics.
function portable_header(header) {
    return header ~ /^[a-z_]+$/ || header ~ /^[a-z0-9]*intrin\.h$/ || header == "wasm_simd128.h"
}

function check_include(file, lineNumber, from, header, angled,    nextToFile, target, to) {
    nextToFile = normalised(parent(file) "/" header)
    target = nextToFile in known ? nextToFile : normalised(header)
    if (!(target in known)) {
        if (!angled) fault(file ":" lineNumber ": includes \"" header "\", which is no source file here")
        else if (picture[from] && !portable_header(header))
            fault(file ":" lineNumber ": includes <" header ">, but " from " is a picture library:" \
                  " standard C++ headers only, no platform header")
        return
    }
    to = rule_folder(target)
    if (to == "")
        fault(file ":" lineNumber ": includes \"" header "\", which lies in no declared folder")
    else if (index(allowed(from), " " to " ") == 0)
        fault(file ":" lineNumber ": includes \"" header "\" (" to " may not be included from " from ")")
}

function check_file(file,    from, folder, line, lineNumber, header, angled) {
    from = rule_folder(file)
    if (from == "") {
        folder = parent(file) == "" ? "." : parent(file)
        if (!(folder in reportedFolder))
            fault(folder "/: holds sources, but no vorrith_library declares this folder" \
                  " (and no rule in tools/lib/include-rules.awk covers it)")
        reportedFolder[folder] = 1
        return
    }
    lineNumber = 0
    while ((getline line < file) > 0) {
        lineNumber++
        if (line !~ /^[ \t]*#[ \t]*include[ \t]*["<]/) continue
        angled = line ~ /^[ \t]*#[ \t]*include[ \t]*</
        header = line
        sub(/^[ \t]*#[ \t]*include[ \t]*["<]/, "", header)
        sub(/[">].*$/, "", header)
        check_include(file, lineNumber, from, header, angled)
    }
    close(file)
}

{
    sub(/^\.\//, "")
    known[$0] = 1
    files[++fileCount] = $0
}

END {
    set_up_rules()
    read_libraries()
    for (i = 1; i <= fileCount; i++) check_file(files[i])
    exit faults > 0
}
