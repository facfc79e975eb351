# cmake -DOPENSSL=path -DOUT=dir -P MakeTestCertificates.cmake
# Makes the certificates the network tests serve and trust: a test CA; a server certificate it signs for 127.0.0.1
# and localhost; one it signs for another host; and a self-made CA with a server certificate that nobody trusts.
cmake_minimum_required(VERSION 3.25)

file(MAKE_DIRECTORY ${OUT})

function(run)
    execute_process(COMMAND ${OPENSSL} ${ARGN} WORKING_DIRECTORY ${OUT} RESULT_VARIABLE status
                    OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "openssl ${ARGN} failed: ${errors}")
    endif()
endfunction()

function(make_ca name subject)
    run(req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 3650 -subj ${subject}
        -keyout ${name}.key -out ${name}.pem
        -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign)
endfunction()

function(make_server name ca altNames)
    file(WRITE ${OUT}/${name}.ext "subjectAltName=${altNames}\nbasicConstraints=CA:FALSE\n"
                                  "keyUsage=critical,digitalSignature\nextendedKeyUsage=serverAuth\n")
    run(req -new -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -subj /CN=${name}
        -keyout ${name}.key -out ${name}.csr)
    string(RANDOM LENGTH 12 ALPHABET 0123456789 serial)
    run(x509 -req -in ${name}.csr -CA ${ca}.pem -CAkey ${ca}.key -set_serial 1${serial} -days 3650
        -extfile ${name}.ext -out ${name}.pem)
    file(REMOVE ${OUT}/${name}.csr ${OUT}/${name}.ext)
endfunction()

make_ca(ca "/CN=Qingtan Test CA")
make_server(server ca "IP:127.0.0.1,DNS:localhost")
make_server(wrong-host ca "DNS:elsewhere.test")
make_ca(untrusted-ca "/CN=Qingtan Untrusted CA")
make_server(untrusted untrusted-ca "IP:127.0.0.1,DNS:localhost")
