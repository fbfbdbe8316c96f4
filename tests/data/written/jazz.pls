[playlist]
NumberOfEntries=2

File0=http://jazz.example.org:8000/live
Title0=Jazz Lounge
Length0=-1

File1=udp://239.0.0.1:1234
Title1=City News TV
listtype=TV
Length1=-1

Version=2
