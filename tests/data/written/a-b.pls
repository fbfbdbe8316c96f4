[playlist]
NumberOfEntries=2

File0=http://a/
Title0=A
Length0=-1

File1=udp://239.0.0.2:5000
Title1=B
listtype=TV
Length1=-1

Version=2
